#pragma once

#include <windows.h>

#include "ports/form_events.h"
#include "ports/form_window.h"
#include "win32/back_buffer_surface.h"
#include "win32/handles.h"

// The main window: a resizable top-level window whose client area shows the back buffer, with
// the measuring line drawn over it at paint time, and the two refresh timers.
class Win32Form : public FormWindow {
  public:
    explicit Win32Form(HINSTANCE instance);
    ~Win32Form() override;
    Win32Form(const Win32Form&) = delete;
    Win32Form& operator=(const Win32Form&) = delete;

    // Creates the (hidden) window.
    bool Create();
    // Events go to `events` from now on.
    void Connect(FormEvents& events) { events_ = &events; }
    void StartTimers(int trackingMs, int autoRefreshMs);
    HWND Window() const { return window_.get(); }
    // False once the window has been destroyed: the program's life is over.
    bool IsOpen() const { return static_cast<bool>(window_); }

    PixelRect OuterRect() const override;
    void Move(const PixelRect& outer) override;
    void MoveOntoWorkArea() override;
    PixelSize ClientSize() const override;
    int Dpi() const override;
    void SetPicture(const Picture& picture, std::int32_t width, std::int32_t height,
                    StretchMode stretchMode) override;
    DrawingSurface& Surface() override { return surface_; }
    void SetMeasuringLine(const MeasuringLine& line) override;
    void SetCaption(const std::string& text) override;
    void Show() override;
    void PlaceWindow(const PixelRect& outer, bool topmost) override;
    void DragWindow() override;
    void ShowMessage(const std::string& text, const std::string& title,
                     MessageStyle style) override;
    void StopTimers() override;
    void Close() override;

  private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // Routes each message to its handler; the rest go to the system.
    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void OnTimer(UINT_PTR timer);
    void OnSize(WPARAM kind);
    void OnGetMinMaxInfo(MINMAXINFO& limits);
    void OnDpiChanged(int dpi, const RECT& suggested);
    bool OnGetDpiScaledSize(SIZE& size) const;
    void OnDisplayChange();
    void OnButtonDown(Buttons button, WPARAM keys);
    void OnKeyDown(WPARAM key);
    void OnPaint();
    void OnClose();
    void OnEndSession(bool ending);
    void OnDestroy();

    void ReportClosing();
    // The part of the window the user sees: without the invisible resize border that some
    // systems count in the window rectangle.
    PixelRect VisibleFrame() const;
    void ResizeBuffer();

    HINSTANCE instance_;
    UniqueWindow window_;
    FormEvents* events_ = nullptr;
    BackBufferSurface surface_;
    MeasuringLine measuringLine_;
    bool timersRunning_ = false;
    int ownPlacements_ = 0;  // moves of the program's own under way
    bool closingReported_ = false;
};
