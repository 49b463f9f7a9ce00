#pragma once

#include <cstdint>
#include <string>

#include "core/option_table.h"
#include "core/refresh_tick.h"
#include "core/twips.h"
#include "core/view_state.h"
#include "platform/form_events.h"
#include "platform/form_window.h"
#include "platform/input_devices.h"
#include "platform/line_shape.h"
#include "platform/screen_capture.h"
#include "platform/settings_store.h"

inline constexpr const char* AppTitleText = "Ridoduvuzi Zedez";

// The main window's logic: it owns the option table, the tracking and measuring state and the
// measuring line, and answers the toolkit window's events. Everything runs on the UI thread.
class MainForm : public FormEvents, private RefreshHooks {
  public:
    MainForm(FormWindow& form, InputDevices& input, ScreenCapture& screen, SettingsStore& settings,
             std::string decimalSeparator);

    // Start-up: restores the stored rectangle, options and zoom, lays the window out, sets the
    // drawing font and shows the window.
    void Load();

    void OnTimer1() override;
    void OnTimer2() override;
    void OnResize() override;
    void OnUnload() override;
    const LineShape& MeasuringLine() const override { return LA; }

    void SelectZoom(std::int16_t zoom);
    void Form_Resize();
    void RefreshTick(float zoom, bool forced);

    const OptionTable& Options() const { return Mnu; }
    OptionTable& Options() { return Mnu; }
    float ZoomFactor() const { return ZoomFactor_; }
    const ViewState& View() const { return View_; }
    const TrackState& Track() const { return Track_; }
    TwipsPerPixel Twips() const { return Twips_; }

  private:
    void RenderView(std::int32_t x, std::int32_t y, float zoom) override;
    void DrawCenterCross() override;
    void DrawCoordinates() override;
    void DrawColorValues() override;

    FormWindow& form_;
    InputDevices& input_;
    ScreenCapture& screen_;
    SettingsStore& settings_;
    std::string decimalSeparator_;

    OptionTable Mnu;
    float ZoomFactor_ = 0;
    TwipsPerPixel Twips_;
    ViewState View_;
    TrackState Track_;
    LineShape LA;
};
