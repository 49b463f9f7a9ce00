#pragma once

#include <cstdint>
#include <string>

#include "core/option_table.h"
#include "core/refresh_tick.h"
#include "core/twips.h"
#include "core/view_state.h"
#include "platform/environment.h"
#include "platform/form_events.h"
#include "platform/form_window.h"
#include "platform/input_devices.h"
#include "platform/line_shape.h"
#include "platform/popup_menu.h"
#include "platform/registry.h"
#include "platform/screen_capture.h"
#include "window/commands.h"

inline constexpr const char* BuildDate = "2026.09.13";
inline constexpr const char* RefusalText = "Sorry, this program can't run in Windows 95/98/ME.";

// The main window's logic: it owns the option table, the tracking and measuring state and the
// measuring line, and answers the toolkit window's events. Everything runs on the UI thread.
class MainForm : public FormEvents, private RefreshHooks, private CommandTarget {
  public:
    MainForm(FormWindow& form, InputDevices& input, ScreenCapture& screen, Registry& registry,
             Environment& environment, PopupMenu& menu, std::string decimalSeparator);

    // Start-up: language, the system check, the stored rectangle, options and zoom, the autorun
    // mark, layout, font, then the window is shown and placed. False when the program refuses to
    // run on this system; the user has been told, and nothing was shown or stored.
    bool Load();

    void OnTimer1() override;
    void OnTimer2() override;
    void OnResize() override;
    void OnScaleChanged() override;
    void OnMouseDown(int button, int shift) override;
    void OnKeyDown(int key, int shift) override;
    // Stops the timers and writes every setting.
    void OnUnload() override;
    const LineShape& MeasuringLine() const override { return LA; }

    void Mnu_Click(std::int16_t index);
    void SelectZoom(std::int16_t zoom) override;
    void Form_Resize();
    void RefreshTick(float zoom, bool forced);

    const OptionTable& Options() const { return Mnu; }
    OptionTable& Options() override { return Mnu; }
    float ZoomFactor() const { return ZoomFactor_; }
    const ViewState& View() const { return View_; }
    TwipsPerPixel Twips() const { return Twips_; }
    const std::string& AppTitle() const { return AppTitle_; }

  private:
    void ApplyLanguage();
    void ShowMenu(ScreenPoint at, MenuAlignment alignment);
    void TakeTwipsPerPixel();

    void RenderView(std::int32_t x, std::int32_t y, float zoom) override;
    void DrawCenterCross() override;
    void DrawCoordinates() override;
    void DrawColorValues() override;

    void ForceRefresh() override;
    void ShowMeasuringLine(bool visible) override;
    void SetOnTop(bool onTop) override;
    void SetAutorun(bool on) override;
    void ShowAbout() override;
    void Unload() override;

    FormWindow& form_;
    InputDevices& input_;
    ScreenCapture& screen_;
    Registry& registry_;
    Environment& environment_;
    PopupMenu& menu_;
    std::string decimalSeparator_;

    OptionTable Mnu;
    float ZoomFactor_ = 0;
    TwipsPerPixel Twips_;
    bool twipsKnown_ = false;  // until start-up has read the factor, sizes mean nothing yet
    ViewState View_;
    TrackState Track_;
    LineShape LA;
    std::string AppTitle_;
    std::string VersionText_;
};
