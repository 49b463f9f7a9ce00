#include "app/main_form.h"

#include <utility>

#include "app/foreground.h"
#include "app/input.h"
#include "app/layout.h"
#include "app/refusals.h"
#include "app/view_renderer.h"
#include "base/rounding.h"
#include "base/twips.h"
#include "build_version.h"
#include "core/menu_entries.h"
#include "core/zoom_selection.h"
#include "readouts/center_cross.h"
#include "readouts/color_readout.h"
#include "readouts/coordinate_readout.h"
#include "shell/about.h"
#include "shell/language.h"
#include "shell/settings.h"
#include "shell/version_text.h"

MainForm::MainForm(const MainFormPorts& ports, UserLocale locale)
    : form_(ports.form),
      input_(ports.input),
      screen_(ports.screen),
      settings_(ports.settings),
      autostart_(ports.autostart),
      environment_(ports.environment),
      menu_(ports.menu),
      locale_(std::move(locale)) {}

bool MainForm::Start() {
    appTitle_ = AppTitleEnglish;
    versionText_ = GetVersionText();
    // Before the system check, so that a refusal already speaks the user's language.
    ApplyLanguageTexts(locale_, options_, appTitle_, AutoRefreshIntervalMs);
    const SystemSupport support = environment_.CheckSystem();
    if (support != SystemSupport::Supported) {
        form_.ShowMessage(RefusalText(support, locale_.language), " " + appTitle_ + " - ERROR!",
                          MessageStyle::Refusal);
        return false;
    }
    twipsPerPixel_ = TwipsPerPixelForDpi(form_.Dpi());

    const StoredWindowRect window = ReadWindowAndFlags(settings_, options_);
    input_.WatchCaret(options_.IsOptionChecked(Item::FollowText));
    form_.Move({RoundToInt32(window.left), RoundToInt32(window.top), RoundToInt32(window.width),
                RoundToInt32(window.height)});
    form_.MoveOntoWorkArea();  // a stored place on a monitor that has gone would hide it
    if (autostart_.NamesAnExistingFile()) {
        options_.SetChecked(Item::Autorun, true);
    }
    SelectZoom(ReadZoom(settings_));  // which lays the window out

    form_.SetCaption(appTitle_);
    // In or out of the topmost band before anyone can see it: placing it shows it, so that it
    // never shows a moment behind other windows first.
    ApplyTopmost(form_, options_.IsOptionChecked(Item::OnTop));
    form_.Show();
    started_ = true;
    return true;
}

void MainForm::OnTrackingTick() {
    RefreshTick(false);
}

void MainForm::OnAutoRefreshTick() {
    if (options_.IsOptionChecked(Item::AutoRefresh)) {
        RefreshTick(true);
    }
}

void MainForm::OnResize() {
    LayOut();
}

void MainForm::OnScaleChanged(int dpi, const PixelRect& suggested, bool ownMove) {
    twipsPerPixel_ = TwipsPerPixelForDpi(dpi);
    // Dragged by the user onto a monitor of another scale, the window takes the rectangle the
    // system suggests there. Placed by the program, it keeps the stored pixels: taking the
    // suggestion would grow or shrink a window stored on such a monitor at every start.
    if (!ownMove) {
        form_.Move(suggested);
    }
    if (started_) {
        ForceRefresh();  // with the fonts of the new scale
    }
}

void MainForm::OnDisplayChanged() {
    screen_.DisplayChanged();
    if (started_) {
        ForceRefresh();
    }
}

void MainForm::OnMouseDown(Buttons button, Modifiers held) {
    switch (MouseDownAction(button, held)) {
        case InputAction::DragWindow:
            form_.DragWindow();
            break;
        case InputAction::MenuAtPointer:
            ShowMenu(input_.PointerPosition(), MenuAlignment::LeftAtPoint);
            break;
        default:
            break;
    }
}

void MainForm::OnKeyDown(Key key, Modifiers held) {
    switch (KeyDownAction(key, held)) {
        case InputAction::MenuFromKeyboard: {
            // Centred on the window's outer top-left corner on the screen.
            const PixelRect outer = form_.OuterRect();
            ShowMenu({outer.left, outer.top}, MenuAlignment::CentredOnPoint);
            break;
        }
        case InputAction::Close:
            form_.Close();
            break;
        default:
            break;
    }
}

void MainForm::ShowMenu(ScreenPoint at, MenuAlignment alignment) {
    const int picked = menu_.Track(MenuEntriesOf(options_), at.x, at.y, alignment);
    if (picked != 0) {
        OnMenuPick(picked);
    }
}

void MainForm::OnMenuPick(int index) {
    DispatchMenuItem(*this, index);
}

void MainForm::OnClosing() {
    form_.StopTimers();
    // A close that comes while start-up is still under way (the refusal box is open) must not
    // store the options and rectangle of a window that never loaded.
    if (!started_) {
        return;
    }
    const PixelRect outer = form_.OuterRect();
    const StoredWindowRect window{static_cast<double>(outer.left), static_cast<double>(outer.top),
                                  static_cast<double>(outer.width),
                                  static_cast<double>(outer.height)};
    WriteSettings(settings_, window, FindCheckedZoom(options_, zoomFactor_), options_);
}

void MainForm::SelectZoom(std::int16_t zoom) {
    if (const auto factor = CheckZoomItem(options_, zoom)) {
        zoomFactor_ = *factor;
        LayOut();
    }
}

void MainForm::LayOut() {
    EnforceMinimumSize(form_);
    StartMeasuringLineAtCenter(form_, measuringLine_);
    ShowLineChanges();
}

void MainForm::RefreshTick(bool forced) {
    RefreshContext context{input_, options_, view_, track_, measuringLine_, *this};
    // Far beyond the view, so that the measuring line leaves it towards the anchor.
    const PixelSize client = form_.ClientSize();
    const float lineReach = static_cast<float>(client.width) * static_cast<float>(client.height);
    RunRefreshTick(context, zoomFactor_, forced, lineReach);
    ShowLineChanges();
}

void MainForm::ShowLineChanges() {
    if (!(measuringLine_ == shownLine_)) {
        shownLine_ = measuringLine_;
        form_.SetMeasuringLine(measuringLine_);
    }
}

void MainForm::RenderView(ScreenPoint focus, float zoom) {
    RenderFocusArea(form_, screen_, focus, zoom, twipsPerPixel_,
                    options_.IsOptionChecked(Item::ShowMouseCursor));
}

std::optional<Color> MainForm::PixelColor(ScreenPoint at) {
    if (const std::optional<Color> captured = screen_.CapturedPixel(at.x, at.y)) {
        return *captured;
    }
    return input_.ScreenPixel(at.x, at.y);
}

void MainForm::DrawCenterCross() {
    DrawCenterCrossOn(form_.Surface());
}

void MainForm::DrawCoordinates() {
    DrawCoordinatesOn(form_.Surface(), view_, locale_.decimalSeparator);
    colorFiguresBold_ = false;
}

void MainForm::DrawColorValues() {
    DrawColorValuesOn(form_.Surface(), options_, view_.pointerColor, colorFiguresBold_);
}

void MainForm::ForceRefresh() {
    RefreshTick(true);
}

void MainForm::ShowMeasuringLine(bool visible) {
    // Only a measurement, a button held with its distances shown, has a line to show; the
    // refresh tick shows it when one starts.
    measuringLine_.visible =
        visible && track_.lastButtons != Buttons::NoButton && view_.Measuring();
    ShowLineChanges();
}

void MainForm::KeepPointerColor() {
    // From the screen now: the last capture may be older than the last tick that followed.
    view_.pointerColor = input_.ScreenPixel(track_.lastPointer.x, track_.lastPointer.y);
}

void MainForm::WatchCaret(bool on) {
    input_.WatchCaret(on);
}

void MainForm::SetOnTop(bool onTop) {
    ApplyTopmost(form_, onTop);
}

void MainForm::SetAutorun(bool on) {
    if (on) {
        autostart_.Register();
    } else {
        autostart_.Unregister();
    }
    // What the entry now says, not what was asked: a refused write or delete shows.
    options_.SetChecked(Item::Autorun, autostart_.NamesThisProgram());
}

void MainForm::ShowAbout() {
    form_.ShowMessage(AboutText(appTitle_, versionText_, build_version::ReleaseDate),
                      AboutTitle(options_.Caption(Item::About)), MessageStyle::About);
}

void MainForm::Close() {
    form_.Close();
}
