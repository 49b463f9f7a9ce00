#pragma once

#include <cstdint>
#include <string>

#include "app/commands.h"
#include "core/option_table.h"
#include "core/refresh_tick.h"
#include "core/view_state.h"
#include "ports/autostart_entry.h"
#include "ports/environment.h"
#include "ports/form_events.h"
#include "ports/form_window.h"
#include "ports/input_devices.h"
#include "ports/popup_menu.h"
#include "ports/screen_capture.h"
#include "ports/settings_store.h"
#include "ports/user_locale.h"

// What the main window's logic works with, each kept by the system's backend.
struct MainFormPorts {
    FormWindow& form;
    InputDevices& input;
    ScreenCapture& screen;
    SettingsStore& settings;
    AutostartEntry& autostart;
    Environment& environment;
    PopupMenu& menu;
};

// The main window's logic: it owns the option table, the tracking and measuring state and the
// measuring line, and answers the window's events. Everything runs on the UI thread.
class MainForm : public FormEvents, private RefreshHooks, private CommandTarget {
  public:
    MainForm(const MainFormPorts& ports, UserLocale locale);

    // Start-up: language, the system check, the stored rectangle, options and zoom, the autorun
    // mark, then the window is shown and placed. False when the program refuses to run on this
    // system; the user has been told, and nothing was shown or stored.
    bool Start();

    void OnTrackingTick() override;
    void OnAutoRefreshTick() override;
    void OnResize() override;
    void OnScaleChanged(int dpi, const PixelRect& suggested, bool ownMove) override;
    void OnDisplayChanged() override;
    void OnMouseDown(Buttons button, Modifiers held) override;
    void OnKeyDown(Key key, Modifiers held) override;
    // Stops the timers and writes every setting, once start-up has finished.
    void OnClosing() override;

    void OnMenuPick(int index);
    void SelectZoom(std::int16_t zoom) override;
    // Renders the view and its overlays; without `forced`, only when the focus point moved.
    void RefreshTick(bool forced);

    OptionTable& Options() override { return options_; }
    float ZoomFactor() const { return zoomFactor_; }

  private:
    void ShowMenu(ScreenPoint at, MenuAlignment alignment);
    // Keeps the minimum size and starts the measuring line at the new centre.
    void LayOut();
    // Hands the measuring line to the window when it changed.
    void ShowLineChanges();

    void RenderView(ScreenPoint focus, float zoom) override;
    std::optional<Color> PixelColor(ScreenPoint at) override;
    void DrawCenterCross() override;
    void DrawCoordinates() override;
    void DrawColorValues() override;

    void ForceRefresh() override;
    void ShowMeasuringLine(bool visible) override;
    void KeepPointerColor() override;
    void WatchCaret(bool on) override;
    void SetOnTop(bool onTop) override;
    void SetAutorun(bool on) override;
    void ShowAbout() override;
    void Close() override;

    FormWindow& form_;
    InputDevices& input_;
    ScreenCapture& screen_;
    SettingsStore& settings_;
    AutostartEntry& autostart_;
    Environment& environment_;
    PopupMenu& menu_;
    UserLocale locale_;

    OptionTable options_;
    float zoomFactor_ = 0;  // the checked zoom item's index / 100
    std::int32_t twipsPerPixel_ = 0;
    ViewState view_;
    TrackState track_;
    MeasuringLine measuringLine_;
    MeasuringLine shownLine_;  // as the window last had it
    // The colour figures are bold until the coordinate read-out first prints: the window's font
    // from start-up is bold, and the coordinate read-out's is not.
    bool colorFiguresBold_ = true;
    bool started_ = false;
    std::string appTitle_;
    std::string versionText_;
};
