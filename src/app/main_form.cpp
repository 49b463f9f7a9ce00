#include "app/main_form.h"

#include <utility>

#include "app/language.h"
#include "app/settings.h"
#include "app/version_text.h"
#include "core/menu_entries.h"
#include "core/rounding.h"
#include "core/view_renderer.h"
#include "core/zoom_selection.h"
#include "readouts/centre_cross.h"
#include "readouts/colour_readout.h"
#include "readouts/coordinate_readout.h"
#include "window/about.h"
#include "window/autorun.h"
#include "window/foreground.h"
#include "window/input.h"
#include "window/layout.h"

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
    AppTitle_ = AppTitleEnglish;
    VersionText_ = GetVersionText();
    ApplyLanguage();  // so that a refusal already speaks the user's language
    if (!environment_.IsWinNT()) {
        form_.ShowMessage(RefusalText, " " + AppTitle_ + " - ERROR!", MessageStyle::Refusal);
        return false;
    }

    const StoredWindowRect rect = ReadWindowRect(registry_);
    form_.Move(static_cast<float>(rect.left * Twips_.x), static_cast<float>(rect.top * Twips_.y),
               static_cast<float>(rect.width * Twips_.x),
               static_cast<float>(rect.height * Twips_.y));
    ReadFlags(registry_, Mnu);
    if (IsAutorunRegistered(registry_, environment_)) {
        Mnu.SetChecked(Item::Autorun, true);
    }
    SelectZoom(0);
    SelectZoom(ReadZoom(registry_));
    Form_Resize();
    ApplyLanguage();

    DrawingSurface& surface = form_.Surface();
    surface.SetFontName("Tahoma");
    surface.SetFontSize(7);
    surface.SetFontBold(true);
    form_.SetCaption(AppTitle_);
    form_.Show();
    ::SetOnTop(form_, Mnu.IsOptionChecked(Item::OnTop));
    return true;
}

void MainForm::TakeTwipsPerPixel() {
    Twips_.x = RoundToInt32(form_.ScreenTwipsPerPixelX());
    Twips_.y = RoundToInt32(form_.ScreenTwipsPerPixelY());
    if (Twips_.x <= 0 || Twips_.y <= 0) {
        Twips_ = TwipsPerPixel{};  // a screen that reports nothing usable: assume 96 dpi
    }
    twipsKnown_ = true;
}

void MainForm::ApplyLanguage() {
    ::ApplyLanguage(Lng(registry_), Mnu, AppTitle_, Timer2IntervalMs);
}

void MainForm::OnTimer1() {
    RefreshTick(ZoomFactor_, false);
}

void MainForm::OnTimer2() {
    if (Mnu.IsOptionChecked(Item::AutoRefresh)) {
        RefreshTick(ZoomFactor_, true);
    }
}

void MainForm::OnResize() {
    if (twipsKnown_) {
        Form_Resize();
    }
}

void MainForm::OnScaleChanged() {
    TakeTwipsPerPixel();
    Form_Resize();
    ForceRefresh();
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
            ShowMenu({RoundToInt32(static_cast<double>(form_.Left()) / Twips_.x),
                      RoundToInt32(static_cast<double>(form_.Top()) / Twips_.y)},
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
    ::Mnu_Click(*this, index);
}

void MainForm::OnUnload() {
    form_.StopTimers();
    const StoredWindowRect rect{static_cast<double>(form_.Left()) / Twips_.x,
                                static_cast<double>(form_.Top()) / Twips_.y,
                                static_cast<double>(form_.Width()) / Twips_.x,
                                static_cast<double>(form_.Height()) / Twips_.y};
    WriteSettings(registry_, rect, FindCheckedZoom(Mnu, ZoomFactor_), Mnu);
}

void MainForm::SelectZoom(std::int16_t zoom) {
    if (const auto factor = CheckZoomItem(Mnu, zoom)) {
        ZoomFactor_ = *factor;
        Form_Resize();
    }
}

void MainForm::Form_Resize() {
    ::Form_Resize(form_, Twips_, LA);
}

void MainForm::RefreshTick(float zoom, bool forced) {
    RefreshContext context{input_, Mnu, View_, Track_, LA, *this};
    const float lineReach = form_.ScaleWidth() * form_.ScaleHeight();
    ::RefreshTick(context, zoom, forced, lineReach);
}

void MainForm::RenderView(std::int32_t x, std::int32_t y, float zoom) {
    ::RenderView(form_, screen_, x, y, zoom, Twips_, Mnu.IsOptionChecked(Item::ShowMouseCursor));
}

void MainForm::DrawCenterCross() {
    ::DrawCenterCross(form_.Surface());
}

void MainForm::DrawCoordinates() {
    ::DrawCoordinates(form_.Surface(), View_, Twips_.x, decimalSeparator_);
}

void MainForm::DrawColorValues() {
    ::DrawColorValues(form_.Surface(), Mnu, View_.PointerColor, Twips_);
}

void MainForm::ForceRefresh() {
    RefreshTick(ZoomFactor_, true);
}

void MainForm::ShowMeasuringLine(bool visible) {
    LA.Visible = visible;
}

void MainForm::SetOnTop(bool onTop) {
    ::SetOnTop(form_, onTop);
}

void MainForm::SetAutorun(bool on) {
    ::SetAutorun(registry_, environment_, on);
}

void MainForm::ShowAbout() {
    form_.ShowMessage(AboutText(AppTitle_, VersionText_, BuildDate),
                      AboutTitle(Mnu.Caption(Item::About)), MessageStyle::About);
}

void MainForm::Unload() {
    form_.Unload();
}
