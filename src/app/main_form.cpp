#include "app/main_form.h"

#include <utility>

#include "app/settings.h"
#include "core/rounding.h"
#include "core/view_renderer.h"
#include "core/zoom_selection.h"
#include "readouts/centre_cross.h"
#include "readouts/colour_readout.h"
#include "readouts/coordinate_readout.h"
#include "window/layout.h"

MainForm::MainForm(FormWindow& form, InputDevices& input, ScreenCapture& screen,
                   SettingsStore& settings, std::string decimalSeparator)
    : form_(form),
      input_(input),
      screen_(screen),
      settings_(settings),
      decimalSeparator_(std::move(decimalSeparator)) {}

void MainForm::Load() {
    Twips_.x = RoundToInt32(form_.ScreenTwipsPerPixelX());
    Twips_.y = RoundToInt32(form_.ScreenTwipsPerPixelY());
    if (Twips_.x <= 0 || Twips_.y <= 0) {
        Twips_ = TwipsPerPixel{};  // a screen that reports nothing usable: assume 96 dpi
    }
    form_.SetCaption(AppTitleText);

    const StoredWindowRect rect = ReadWindowRect(settings_);
    form_.Move(static_cast<float>(rect.left * Twips_.x), static_cast<float>(rect.top * Twips_.y),
               static_cast<float>(rect.width * Twips_.x),
               static_cast<float>(rect.height * Twips_.y));
    ReadFlags(settings_, Mnu);

    SelectZoom(0);
    SelectZoom(ReadZoom(settings_));
    Form_Resize();

    DrawingSurface& surface = form_.Surface();
    surface.SetFontName("Tahoma");
    surface.SetFontSize(7);
    surface.SetFontBold(true);
    form_.Show();
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
    Form_Resize();
}

void MainForm::OnUnload() {
    form_.StopTimers();
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
