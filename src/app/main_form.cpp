#include "app/main_form.h"

#include <utility>

#include "app/foreground.h"
#include "app/input.h"
#include "app/layout.h"
#include "app/view_renderer.h"
#include "base/rounding.h"
#include "build_version.h"
#include "core/menu_entries.h"
#include "core/zoom_selection.h"
#include "readouts/center_cross.h"
#include "readouts/color_readout.h"
#include "readouts/coordinate_readout.h"
#include "readouts/fonts.h"
#include "shell/about.h"
#include "shell/autorun.h"
#include "shell/language.h"
#include "shell/settings.h"
#include "shell/version_text.h"

MainForm::MainForm(FormWindow& form, InputDevices& input, ScreenCapture& screen, Registry& registry,
                   Environment& environment, PopupMenu& menu, std::string decimalSeparator)
    : form_(form),
      input_(input),
      screen_(screen),
      registry_(registry),
      environment_(environment),
      menu_(menu),
      decimalSeparator_(std::move(decimalSeparator)) {}

bool MainForm::Load() {
    TakeTwipsPerPixel();
    AppTitle = AppTitleEnglish;
    VersionText = GetVersionText();
    ApplyLanguage();  // so that a refusal already speaks the user's language
    if (!environment_.IsWinNT()) {
        form_.ShowMessage(RefusalText, " " + AppTitle + " - ERROR!", MessageStyle::Refusal);
        return false;
    }

    const StoredWindowRect rect = ReadWindowRect(registry_);
    form_.Move(static_cast<float>(rect.left * Twips.x), static_cast<float>(rect.top * Twips.y),
               static_cast<float>(rect.width * Twips.x), static_cast<float>(rect.height * Twips.y));
    form_.MoveOntoWorkArea();  // a stored place on a monitor that has gone would hide it
    ReadFlags(registry_, Mnu);
    if (IsAutorunRegistered(registry_, environment_)) {
        Mnu.SetChecked(Item::Autorun, true);
    }
    SelectZoom(0);
    SelectZoom(ReadZoom(registry_));
    Form_Resize();
    ApplyLanguage();

    DrawingSurface& surface = form_.Surface();
    surface.SetFontName(CoordinateFont.face);
    surface.SetFontSize(CoordinateFont.points);
    surface.SetFontBold(true);
    form_.SetCaption(AppTitle);
    form_.Show();
    ApplyTopmost(form_, Mnu.IsOptionChecked(Item::OnTop));
    loaded_ = true;
    return true;
}

void MainForm::TakeTwipsPerPixel() {
    Twips.x = RoundToInt32(form_.ScreenTwipsPerPixelX());
    Twips.y = RoundToInt32(form_.ScreenTwipsPerPixelY());
    if (Twips.x <= 0 || Twips.y <= 0) {
        Twips = TwipsPerPixel{};  // a screen that reports nothing usable: the standard scale
    }
    twipsKnown_ = true;
}

void MainForm::ApplyLanguage() {
    ApplyLanguageTexts(Lng(registry_), Mnu, AppTitle, Timer2IntervalMs);
}

void MainForm::OnTimer1() {
    RefreshTick(ZoomFactor, false);
}

void MainForm::OnTimer2() {
    if (Mnu.IsOptionChecked(Item::AutoRefresh)) {
        RefreshTick(ZoomFactor, true);
    }
}

void MainForm::OnResize() {
    if (twipsKnown_ && !scaleMoving_) {
        Form_Resize();
    }
}

void MainForm::OnScaleChanged(const PixelRect& suggested) {
    // The new factor first: the move below reports a resize, which must not judge the window's
    // size in pixels of the old scale.
    TakeTwipsPerPixel();
    scaleMoving_ = true;
    form_.Move(static_cast<float>(suggested.left * Twips.x),
               static_cast<float>(suggested.top * Twips.y),
               static_cast<float>(suggested.width * Twips.x),
               static_cast<float>(suggested.height * Twips.y));
    scaleMoving_ = false;
    Form_Resize();
    if (loaded_) {
        ForceRefresh();  // with the fonts of the new scale
    }
}

void MainForm::OnMouseDown(int button, int shift) {
    switch (MouseDownAction(button, shift)) {
        case InputAction::DragWindow:
            form_.DragWindow();
            break;
        case InputAction::MenuAtPointer:
            ShowMenu(input_.GetCursorPos(), MenuAlignment::LeftAtPoint);
            break;
        default:
            break;
    }
}

void MainForm::OnKeyDown(int key, int shift) {
    switch (KeyDownAction(key, shift)) {
        case InputAction::MenuFromKeyboard:
            // Centred on the window's outer top-left corner on the screen.
            ShowMenu({RoundToInt32(static_cast<double>(form_.Left()) / Twips.x),
                      RoundToInt32(static_cast<double>(form_.Top()) / Twips.y)},
                     MenuAlignment::CentredOnPoint);
            break;
        case InputAction::Unload:
            form_.Unload();
            break;
        default:
            break;
    }
}

void MainForm::ShowMenu(ScreenPoint at, MenuAlignment alignment) {
    const std::int16_t picked = menu_.Track(MenuEntriesOf(Mnu), at.x, at.y, alignment);
    if (picked != 0) {
        Mnu_Click(picked);
    }
}

void MainForm::Mnu_Click(std::int16_t index) {
    DispatchMenuItem(*this, index);
}

void MainForm::OnUnload() {
    form_.StopTimers();
    const StoredWindowRect rect{static_cast<double>(form_.Left()) / Twips.x,
                                static_cast<double>(form_.Top()) / Twips.y,
                                static_cast<double>(form_.Width()) / Twips.x,
                                static_cast<double>(form_.Height()) / Twips.y};
    WriteSettings(registry_, rect, FindCheckedZoom(Mnu, ZoomFactor), Mnu);
}

void MainForm::SelectZoom(std::int16_t zoom) {
    if (const auto factor = CheckZoomItem(Mnu, zoom)) {
        ZoomFactor = *factor;
        Form_Resize();
    }
}

void MainForm::Form_Resize() {
    EnforceMinimumSize(form_, Twips);
    EndMeasuringLineAtCenter(form_, LA);
    ShowLineChanges();
}

void MainForm::RefreshTick(float zoom, bool forced) {
    RefreshContext context{input_, Mnu, View, Track, LA, *this};
    const float lineReach = form_.ScaleWidth() * form_.ScaleHeight();
    RunRefreshTick(context, zoom, forced, lineReach);
    ShowLineChanges();
}

void MainForm::ShowLineChanges() {
    if (!(LA == shownLine_)) {
        shownLine_ = LA;
        form_.SetMeasuringLine(LA);
    }
}

void MainForm::RenderView(std::int32_t x, std::int32_t y, float zoom) {
    RenderFocusArea(form_, screen_, x, y, zoom, Twips, Mnu.IsOptionChecked(Item::ShowMouseCursor));
}

ColorValue MainForm::ScreenPixel(std::int32_t x, std::int32_t y) {
    if (const std::optional<ColorValue> captured = screen_.CapturedPixel(x, y)) {
        return *captured;
    }
    return input_.GetScreenPixel(x, y);
}

void MainForm::DrawCenterCross() {
    DrawCenterCrossOn(form_.Surface());
}

void MainForm::DrawCoordinates() {
    DrawCoordinatesOn(form_.Surface(), View, Twips.x, decimalSeparator_);
}

void MainForm::DrawColorValues() {
    DrawColorValuesOn(form_.Surface(), Mnu, View.PointerColor, Twips);
}

void MainForm::ForceRefresh() {
    RefreshTick(ZoomFactor, true);
}

void MainForm::ShowMeasuringLine(bool visible) {
    // Only a measurement, a button held with its distances shown, has a line to show; the
    // refresh tick shows it when one starts.
    LA.Visible = visible && Track.LastButtons != 0 && View.Measuring();
    ShowLineChanges();
}

void MainForm::KeepPointerColor() {
    // From the screen now: the last capture may be older than the last tick that followed.
    View.PointerColor =
        static_cast<float>(input_.GetScreenPixel(Track.LastMouseX, Track.LastMouseY));
}

void MainForm::SetOnTop(bool onTop) {
    ApplyTopmost(form_, onTop);
}

void MainForm::SetAutorun(bool on) {
    Mnu.SetChecked(Item::Autorun, UpdateAutorunEntry(registry_, environment_, on));
}

void MainForm::ShowAbout() {
    form_.ShowMessage(AboutText(AppTitle, VersionText, build_version::ReleaseDate),
                      AboutTitle(Mnu.Caption(Item::About)), MessageStyle::About);
}

void MainForm::Unload() {
    form_.Unload();
}
