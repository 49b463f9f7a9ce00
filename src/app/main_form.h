#pragma once

#include <cstdint>
#include <string>

#include "app/commands.h"
#include "base/twips.h"
#include "core/option_table.h"
#include "core/refresh_tick.h"
#include "core/view_state.h"
#include "ports/environment.h"
#include "ports/form_events.h"
#include "ports/form_window.h"
#include "ports/input_devices.h"
#include "ports/line_shape.h"
#include "ports/popup_menu.h"
#include "ports/registry.h"
#include "ports/screen_capture.h"

inline constexpr const char* RefusalText = "Sorry, this program can't run in Windows 95/98/ME.";

// The main window's logic: it owns the option table, the tracking and measuring state and the
// measuring line, and answers the toolkit window's events. Everything runs on the UI thread.
// Members that hold the window's own state keep the names the program has always given them
// (Mnu, LA, ZoomFactor...); the system it is given ends in an underscore.
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
    void OnScaleChanged(const PixelRect& suggested) override;
    void OnMouseDown(int button, int shift) override;
    void OnKeyDown(int key, int shift) override;
    // Stops the timers and writes every setting.
    void OnUnload() override;

    void Mnu_Click(std::int16_t index);
    void SelectZoom(std::int16_t zoom) override;
    void Form_Resize();
    void RefreshTick(float zoom, bool forced);

    OptionTable& Options() override { return Mnu; }
    float CurrentZoom() const { return ZoomFactor; }
    TwipsPerPixel CurrentTwips() const { return Twips; }

  private:
    void ApplyLanguage();
    void ShowMenu(ScreenPoint at, MenuAlignment alignment);
    void TakeTwipsPerPixel();
    // Hands the measuring line to the window when it changed.
    void ShowLineChanges();

    void RenderView(std::int32_t x, std::int32_t y, float zoom) override;
    ColorValue ScreenPixel(std::int32_t x, std::int32_t y) override;
    void DrawCenterCross() override;
    void DrawCoordinates() override;
    void DrawColorValues() override;

    void ForceRefresh() override;
    void ShowMeasuringLine(bool visible) override;
    void KeepPointerColor() override;
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
    bool twipsKnown_ = false;   // until start-up has read the factor, sizes mean nothing yet
    bool loaded_ = false;       // start-up is complete
    bool scaleMoving_ = false;  // taking the rectangle of a new scale: one layout after it
    LineShape shownLine_;       // as the window last had it

    OptionTable Mnu;
    float ZoomFactor = 0;
    TwipsPerPixel Twips;
    ViewState View;
    TrackState Track;
    LineShape LA;
    std::string AppTitle;
    std::string VersionText;
};
