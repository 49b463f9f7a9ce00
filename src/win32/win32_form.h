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

    // Creates the (hidden) window; events go to `events` from then on.
    bool Create(FormEvents& events);
    void StartTimers(int timer1Ms, int timer2Ms);
    HWND Handle() const { return window_.get(); }
    // False once the window has been destroyed: the program's life is over.
    bool IsOpen() const { return static_cast<bool>(window_); }

    float Left() const override;
    float Top() const override;
    float Width() const override;
    float Height() const override;
    void SetWidth(float twips) override;
    void SetHeight(float twips) override;
    void Move(float left, float top, float width, float height) override;
    void MoveOntoWorkArea() override;
    float ScaleWidth() const override;
    float ScaleHeight() const override;
    float ScreenTwipsPerPixelX() const override;
    float ScreenTwipsPerPixelY() const override;
    void SetPicture(const Picture& picture, std::int32_t width, std::int32_t height,
                    int stretchMode) override;
    DrawingSurface& Surface() override { return surface_; }
    void SetMeasuringLine(const LineShape& line) override;
    void SetCaption(const std::string& text) override;
    void Show() override;
    void PlaceWindow(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height,
                     bool topmost) override;
    void DragWindow() override;
    void ShowMessage(const std::string& text, const std::string& title,
                     MessageStyle style) override;
    void StopTimers() override;
    void Unload() override;

  private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void RunUnload();
    void TakeScale();
    void Paint();
    void ResizeBuffer();
    RECT OuterRect() const;
    int Dpi() const;
    int ToPixels(float twips) const;
    void ApplyRect(int left, int top, int width, int height, UINT flags);

    HINSTANCE instance_;
    UniqueWindow window_;
    FormEvents* events_ = nullptr;
    BackBufferSurface surface_;
    LineShape measuringLine_;
    int twipsPerPixel_ = StandardTwipsPerPixel;
    bool timersRunning_ = false;
    bool unloaded_ = false;
};
