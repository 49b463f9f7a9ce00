#include "platform/win32/win32_form.h"

#include <algorithm>

#include "core/rounding.h"
#include "platform/win32/gdi_handles.h"
#include "platform/win32/text_conversion.h"

namespace {

constexpr wchar_t ClassName[] = L"RidoduvuziZedezMain";
constexpr UINT_PTR Timer1Id = 1;
constexpr UINT_PTR Timer2Id = 2;
constexpr float TwipsPerInch = 1440.0f;
constexpr COLORREF MeasuringLineColour = RGB(128, 128, 128);
// The smallest outer size the frame can be dragged to, in physical pixels.
constexpr int MinTrackWidth = 128;
constexpr int MinTrackHeight = 64;

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);

// Looked up at run time: older systems lack it, and there the screen's DPI is the answer.
GetDpiForWindowFn LookUpGetDpiForWindow() {
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    if (user32 == nullptr) {
        return nullptr;
    }
    return reinterpret_cast<GetDpiForWindowFn>(
        reinterpret_cast<void*>(GetProcAddress(user32, "GetDpiForWindow")));
}

}  // namespace

Win32Form::Win32Form(HINSTANCE instance) : instance_(instance) {}

Win32Form::~Win32Form() {
    events_ = nullptr;
    if (window_ != nullptr) {
        DestroyWindow(window_);
    }
}

bool Win32Form::Create(FormEvents& events, int timer1Ms, int timer2Ms) {
    events_ = &events;
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance_;
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hIcon = LoadIconW(instance_, MAKEINTRESOURCEW(1));
    windowClass.lpszClassName = ClassName;
    RegisterClassExW(&windowClass);

    window_ = CreateWindowExW(0, ClassName, L"", WS_OVERLAPPEDWINDOW & ~WS_MAXIMIZEBOX, 32, 32, 128,
                              128, nullptr, nullptr, instance_, this);
    if (window_ == nullptr) {
        return false;
    }
    ResizeBuffer();
    SetTimer(window_, Timer1Id, static_cast<UINT>(timer1Ms), nullptr);
    SetTimer(window_, Timer2Id, static_cast<UINT>(timer2Ms), nullptr);
    timersRunning_ = true;
    return true;
}

LRESULT CALLBACK Win32Form::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        auto* self = static_cast<Win32Form*>(create->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Win32Form*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return self->Handle(message, wParam, lParam);
}

LRESULT Win32Form::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_TIMER:
            if (events_ != nullptr && timersRunning_) {
                if (wParam == Timer1Id) {
                    events_->OnTimer1();
                } else if (wParam == Timer2Id) {
                    events_->OnTimer2();
                }
                SyncMeasuringLine();
            }
            return 0;
        case WM_SIZE:
            if (wParam == SIZE_MINIMIZED) {
                return 0;  // nothing to lay out, and the size limits must not restore it
            }
            ResizeBuffer();
            if (events_ != nullptr) {
                events_->OnResize();
            }
            InvalidateRect(window_, nullptr, FALSE);
            return 0;
        case WM_GETMINMAXINFO: {
            auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
            limits->ptMinTrackSize.x = MinTrackWidth;
            limits->ptMinTrackSize.y = MinTrackHeight;
            return 0;
        }
        case WM_DPICHANGED: {
            const auto* suggested = reinterpret_cast<const RECT*>(lParam);
            surface_.SetDpi(HIWORD(wParam));
            SetWindowPos(window_, nullptr, suggested->left, suggested->top,
                         suggested->right - suggested->left, suggested->bottom - suggested->top,
                         SWP_NOZORDER | SWP_NOACTIVATE);
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;  // the back buffer covers the whole client area
        case WM_PAINT:
            Paint();
            return 0;
        case WM_CLOSE:
            if (events_ != nullptr) {
                events_->OnUnload();
            }
            DestroyWindow(window_);
            return 0;
        case WM_DESTROY:
            StopTimers();
            window_ = nullptr;
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(window_, message, wParam, lParam);
    }
}

void Win32Form::ResizeBuffer() {
    RECT client{};
    GetClientRect(window_, &client);
    const int dpi = Dpi();
    surface_.SetDpi(dpi);
    surface_.SetTwipsPerPixel(TwipsPerInch / static_cast<float>(dpi),
                              TwipsPerInch / static_cast<float>(dpi));
    WindowDc windowDc(window_);
    surface_.Resize(windowDc.get(), client.right - client.left, client.bottom - client.top);
}

void Win32Form::Paint() {
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(window_, &paint);
    // The one copy of the view to the window: only what needs painting.
    const RECT& part = paint.rcPaint;
    BitBlt(dc, part.left, part.top, part.right - part.left, part.bottom - part.top, surface_.Dc(),
           part.left, part.top, SRCCOPY);
    if (events_ != nullptr) {
        paintedLine_ = events_->MeasuringLine();
        if (paintedLine_.Visible) {
            SelectGuard select(dc, GetStockObject(DC_PEN));
            SetDCPenColor(dc, MeasuringLineColour);
            const float tx = surface_.PixelWidth();
            const float ty = surface_.PixelHeight();
            MoveToEx(dc, RoundToInt32(paintedLine_.X1 / tx), RoundToInt32(paintedLine_.Y1 / ty),
                     nullptr);
            LineTo(dc, RoundToInt32(paintedLine_.X2 / tx), RoundToInt32(paintedLine_.Y2 / ty));
        }
    }
    EndPaint(window_, &paint);
}

void Win32Form::SyncMeasuringLine() {
    if (window_ != nullptr && events_ != nullptr && !(events_->MeasuringLine() == paintedLine_)) {
        InvalidateRect(window_, nullptr, FALSE);
    }
}

int Win32Form::Dpi() const {
    static const GetDpiForWindowFn getDpiForWindow = LookUpGetDpiForWindow();
    if (getDpiForWindow != nullptr && window_ != nullptr) {
        const UINT dpi = getDpiForWindow(window_);
        if (dpi > 0) {
            return static_cast<int>(dpi);
        }
    }
    WindowDc screen(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen.get(), LOGPIXELSX) : 0;
    return dpi > 0 ? dpi : 96;
}

float Win32Form::ScreenTwipsPerPixelX() const {
    return TwipsPerInch / static_cast<float>(Dpi());
}
float Win32Form::ScreenTwipsPerPixelY() const {
    return TwipsPerInch / static_cast<float>(Dpi());
}

RECT Win32Form::OuterRect() const {
    RECT rect{};
    GetWindowRect(window_, &rect);
    return rect;
}

float Win32Form::Left() const {
    return static_cast<float>(OuterRect().left) * ScreenTwipsPerPixelX();
}
float Win32Form::Top() const {
    return static_cast<float>(OuterRect().top) * ScreenTwipsPerPixelY();
}
float Win32Form::Width() const {
    const RECT r = OuterRect();
    return static_cast<float>(r.right - r.left) * ScreenTwipsPerPixelX();
}
float Win32Form::Height() const {
    const RECT r = OuterRect();
    return static_cast<float>(r.bottom - r.top) * ScreenTwipsPerPixelY();
}

int Win32Form::ToPixels(float twips, float twipsPerPixel) const {
    return RoundToInt32(static_cast<double>(twips) / twipsPerPixel);
}

void Win32Form::ApplyRect(int left, int top, int width, int height, UINT flags) {
    SetWindowPos(window_, nullptr, left, top, width, height,
                 flags | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

void Win32Form::SetWidth(float twips) {
    const RECT r = OuterRect();
    ApplyRect(0, 0, ToPixels(twips, ScreenTwipsPerPixelX()), r.bottom - r.top, SWP_NOMOVE);
}

void Win32Form::SetHeight(float twips) {
    const RECT r = OuterRect();
    ApplyRect(0, 0, r.right - r.left, ToPixels(twips, ScreenTwipsPerPixelY()), SWP_NOMOVE);
}

void Win32Form::Move(float left, float top, float width, float height) {
    const float tx = ScreenTwipsPerPixelX();
    const float ty = ScreenTwipsPerPixelY();
    ApplyRect(ToPixels(left, tx), ToPixels(top, ty), ToPixels(width, tx), ToPixels(height, ty), 0);
}

float Win32Form::ScaleWidth() const {
    return surface_.ScaleWidth();
}
float Win32Form::ScaleHeight() const {
    return surface_.ScaleHeight();
}

void Win32Form::SetPicture(const Picture& picture, std::int32_t width, std::int32_t height,
                           int stretchMode) {
    if (surface_.ShowPicture(picture, width, height, stretchMode)) {
        InvalidateRect(window_, nullptr, FALSE);
    }
}

void Win32Form::SetCaption(const std::string& text) {
    SetWindowTextW(window_, Widen(text).c_str());
}

void Win32Form::Show() {
    ShowWindow(window_, SW_SHOW);
    UpdateWindow(window_);
}

void Win32Form::StopTimers() {
    if (timersRunning_ && window_ != nullptr) {
        KillTimer(window_, Timer1Id);
        KillTimer(window_, Timer2Id);
    }
    timersRunning_ = false;
}
