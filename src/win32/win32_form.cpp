#include "win32/win32_form.h"

#include "base/rounding.h"
#include "base/twips.h"
#include "ports/input_devices.h"
#include "win32/dynamic_functions.h"
#include "win32/placement.h"
#include "win32/text_conversion.h"

namespace {

constexpr wchar_t ClassName[] = L"RidoduvuziZedezMain";
constexpr UINT_PTR Timer1Id = 1;
constexpr UINT_PTR Timer2Id = 2;
constexpr COLORREF MeasuringLineColor = RGB(128, 128, 128);

int ShiftState(bool shift, bool ctrl) {
    return (shift ? ShiftKey::Shift : 0) | (ctrl ? ShiftKey::Ctrl : 0) |
           (GetKeyState(VK_MENU) < 0 ? ShiftKey::Alt : 0);
}

int KeyShiftState() {
    return ShiftState(GetKeyState(VK_SHIFT) < 0, GetKeyState(VK_CONTROL) < 0);
}

int MouseShiftState(WPARAM keys) {
    return ShiftState((keys & MK_SHIFT) != 0, (keys & MK_CONTROL) != 0);
}

PixelRect ToPixelRect(const RECT& r) {
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

struct WorkAreaSearch {
    RECT window;
    bool met = false;
};

// Stops at the first monitor whose work area the window meets.
BOOL CALLBACK StopWhereWorkAreaMet(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
    auto* search = reinterpret_cast<WorkAreaSearch*>(data);
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    RECT common{};
    search->met = GetMonitorInfoW(monitor, &info) &&
                  IntersectRect(&common, &info.rcWork, &search->window) != FALSE;
    return search->met ? FALSE : TRUE;
}

}  // namespace

Win32Form::Win32Form(HINSTANCE instance) : instance_(instance) {}

Win32Form::~Win32Form() {
    events_ = nullptr;
    window_.reset();  // while every member the window's last messages reach is still there
}

bool Win32Form::Create(FormEvents& events) {
    events_ = &events;
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = CS_DBLCLKS;  // a double click is its own event, not a second press
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance_;
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.lpszClassName = ClassName;
    RegisterClassExW(&windowClass);

    // Created hidden; start-up gives it its rectangle before showing it. The handle is taken on
    // WM_NCCREATE, so that the first messages already reach this object.
    if (CreateWindowExW(0, ClassName, L"", WS_OVERLAPPEDWINDOW & ~WS_MAXIMIZEBOX, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance_,
                        this) == nullptr) {
        return false;
    }
    TakeScale();
    ResizeBuffer();
    return true;
}

void Win32Form::StartTimers(int timer1Ms, int timer2Ms) {
    if (!window_) {
        return;
    }
    SetTimer(window_.get(), Timer1Id, static_cast<UINT>(timer1Ms), nullptr);
    SetTimer(window_.get(), Timer2Id, static_cast<UINT>(timer2Ms), nullptr);
    timersRunning_ = true;
}

LRESULT CALLBACK Win32Form::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        auto* self = static_cast<Win32Form*>(create->lpCreateParams);
        self->window_.reset(window);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Win32Form*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_NCDESTROY) {
        // The last message: nothing of this object may be reached through the window after it.
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        if (self != nullptr) {
            self->window_.release();  // being destroyed already
        }
        return DefWindowProcW(window, message, wParam, lParam);
    }
    if (self == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    // Nothing may unwind through the system's code that called us: a message whose handling
    // failed (out of memory) gets the default handling instead.
    try {
        return self->Handle(window, message, wParam, lParam);
    } catch (...) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

LRESULT Win32Form::Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_TIMER:
            if (events_ != nullptr && timersRunning_) {
                if (wParam == Timer1Id) {
                    events_->OnTimer1();
                } else if (wParam == Timer2Id) {
                    events_->OnTimer2();
                }
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
            InvalidateRect(window, nullptr, FALSE);
            return 0;
        case WM_GETMINMAXINFO: {
            auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
            limits->ptMinTrackSize.x = MinWindowWidthPx;
            limits->ptMinTrackSize.y = MinWindowHeightPx;
            return 0;
        }
        case WM_DPICHANGED: {
            // The twips per pixel and the fonts follow the new scale before anything moves; the
            // program then takes the suggested rectangle, as the system expects of a window that
            // follows the monitor's scale (keeping the old size could drag it back across).
            const RECT suggested = *reinterpret_cast<const RECT*>(lParam);
            TakeScale();
            if (events_ != nullptr) {
                events_->OnScaleChanged(ToPixelRect(suggested));
            } else {
                SetWindowPos(window, nullptr, suggested.left, suggested.top,
                             suggested.right - suggested.left, suggested.bottom - suggested.top,
                             SWP_NOZORDER | SWP_NOACTIVATE);
            }
            return 0;
        }
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            if (events_ != nullptr) {
                const int button = message == WM_LBUTTONDOWN   ? MouseButton::Left
                                   : message == WM_RBUTTONDOWN ? MouseButton::Right
                                                               : MouseButton::Middle;
                events_->OnMouseDown(button, MouseShiftState(wParam));
            }
            return 0;
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDBLCLK:
        case WM_CONTEXTMENU:
            // The right button and the context-menu key open the menu on their own press; the
            // context-menu message that follows them must not open it a second time.
            return 0;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            if (events_ != nullptr) {
                events_->OnKeyDown(static_cast<int>(wParam), KeyShiftState());
            }
            // F4 with Alt closes only through the key handling above, with no other modifier;
            // the other system keys (Alt+Space) keep working.
            if (message == WM_KEYDOWN || wParam == VK_F4 || !window_) {
                return 0;
            }
            return DefWindowProcW(window, message, wParam, lParam);
        case WM_ERASEBKGND:
            return 1;  // the back buffer covers the whole client area
        case WM_PAINT:
            Paint();
            return 0;
        case WM_CLOSE:
            // A close request may arrive inside a modal loop of ours (the popup menu, sent by an
            // installer or a script): that loop ends first, so that nothing runs on a window that
            // is gone.
            EndMenu();
            RunUnload();
            DestroyWindow(window);
            return 0;
        case WM_ENDSESSION:
            // Logging off ends the process without closing the window: keep the settings.
            if (wParam != FALSE) {
                RunUnload();
            }
            return 0;
        case WM_DESTROY:
            StopTimers();
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

void Win32Form::RunUnload() {
    if (!unloaded_ && events_ != nullptr) {
        unloaded_ = true;
        events_->OnUnload();
    }
}

void Win32Form::Unload() {
    if (window_) {
        SendMessageW(window_.get(), WM_CLOSE, 0, 0);
    }
}

void Win32Form::TakeScale() {
    const int dpi = Dpi();
    twipsPerPixel_ = TwipsPerPixelForDpi(dpi);
    surface_.SetDpi(dpi);
    surface_.SetTwipsPerPixel(static_cast<float>(twipsPerPixel_),
                              static_cast<float>(twipsPerPixel_));
}

void Win32Form::ResizeBuffer() {
    RECT client{};
    GetClientRect(window_.get(), &client);
    const UniqueWindowDc windowDc = WindowDc(window_.get());
    surface_.Resize(windowDc.get(), client.right - client.left, client.bottom - client.top);
}

void Win32Form::Paint() {
    const PaintGuard paint(window_.get());
    // The one copy of the view to the window: only what needs painting.
    const RECT& part = paint.Part();
    BitBlt(paint.Dc(), part.left, part.top, part.right - part.left, part.bottom - part.top,
           surface_.Dc(), part.left, part.top, SRCCOPY);
    if (measuringLine_.Visible) {
        SelectGuard select(paint.Dc(), GetStockObject(DC_PEN));
        SetDCPenColor(paint.Dc(), MeasuringLineColor);
        const float tx = surface_.PixelWidth();
        const float ty = surface_.PixelHeight();
        MoveToEx(paint.Dc(), RoundToInt32(measuringLine_.X1 / tx),
                 RoundToInt32(measuringLine_.Y1 / ty), nullptr);
        LineTo(paint.Dc(), RoundToInt32(measuringLine_.X2 / tx),
               RoundToInt32(measuringLine_.Y2 / ty));
    }
}

void Win32Form::SetMeasuringLine(const LineShape& line) {
    if (!(line == measuringLine_)) {
        measuringLine_ = line;
        InvalidateRect(window_.get(), nullptr, FALSE);
    }
}

int Win32Form::Dpi() const {
    if (const auto getDpiForWindow = GetDpiForWindowFunction();
        getDpiForWindow != nullptr && window_) {
        const UINT dpi = getDpiForWindow(window_.get());
        if (dpi > 0) {
            return static_cast<int>(dpi);
        }
    }
    const UniqueWindowDc screen = WindowDc(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen.get(), LOGPIXELSX) : 0;
    return dpi > 0 ? dpi : StandardDpi;
}

float Win32Form::ScreenTwipsPerPixelX() const {
    return static_cast<float>(twipsPerPixel_);
}
float Win32Form::ScreenTwipsPerPixelY() const {
    return static_cast<float>(twipsPerPixel_);
}

RECT Win32Form::OuterRect() const {
    RECT rect{};
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    if (IsIconic(window_.get()) && GetWindowPlacement(window_.get(), &placement)) {
        // Minimized, the window stands far off the screen; the rectangle it comes back to is the
        // one that counts. That one is kept relative to the work area, not the screen.
        rect = placement.rcNormalPosition;
        MONITORINFO monitor{};
        monitor.cbSize = sizeof(monitor);
        if (GetMonitorInfoW(MonitorFromRect(&rect, MONITOR_DEFAULTTONEAREST), &monitor)) {
            OffsetRect(&rect, monitor.rcWork.left - monitor.rcMonitor.left,
                       monitor.rcWork.top - monitor.rcMonitor.top);
        }
        return rect;
    }
    GetWindowRect(window_.get(), &rect);
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

int Win32Form::ToPixels(float twips) const {
    return RoundToInt32(static_cast<double>(twips) / twipsPerPixel_);
}

void Win32Form::ApplyRect(int left, int top, int width, int height, UINT flags) {
    SetWindowPos(window_.get(), nullptr, left, top, width, height,
                 flags | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

void Win32Form::SetWidth(float twips) {
    const RECT r = OuterRect();
    ApplyRect(0, 0, ToPixels(twips), r.bottom - r.top, SWP_NOMOVE);
}

void Win32Form::SetHeight(float twips) {
    const RECT r = OuterRect();
    ApplyRect(0, 0, r.right - r.left, ToPixels(twips), SWP_NOMOVE);
}

void Win32Form::Move(float left, float top, float width, float height) {
    ApplyRect(ToPixels(left), ToPixels(top), ToPixels(width), ToPixels(height), 0);
}

void Win32Form::MoveOntoWorkArea() {
    const RECT outer = OuterRect();
    WorkAreaSearch search{outer};
    EnumDisplayMonitors(nullptr, nullptr, StopWhereWorkAreaMet, reinterpret_cast<LPARAM>(&search));
    MONITORINFO nearest{};
    nearest.cbSize = sizeof(nearest);
    if (search.met ||
        !GetMonitorInfoW(MonitorFromRect(&outer, MONITOR_DEFAULTTONEAREST), &nearest)) {
        return;
    }
    const PixelRect inside = InsideArea(ToPixelRect(outer), ToPixelRect(nearest.rcWork));
    ApplyRect(inside.left, inside.top, 0, 0, SWP_NOSIZE);
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
        InvalidateRect(window_.get(), nullptr, FALSE);
    }
}

void Win32Form::SetCaption(const std::string& text) {
    SetWindowTextW(window_.get(), Widen(text).c_str());
}

void Win32Form::Show() {
    ShowWindow(window_.get(), SW_SHOW);
    UpdateWindow(window_.get());
}

void Win32Form::PlaceWindow(std::int32_t left, std::int32_t top, std::int32_t width,
                            std::int32_t height, bool topmost) {
    SetWindowPos(window_.get(), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, left, top, width, height,
                 SWP_SHOWWINDOW);
}

void Win32Form::DragWindow() {
    // The press captured the mouse; the system's move loop takes it over.
    ReleaseCapture();
    POINT pointer{};
    GetCursorPos(&pointer);
    SendMessageW(window_.get(), WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(pointer.x, pointer.y));
}

void Win32Form::ShowMessage(const std::string& text, const std::string& title, MessageStyle style) {
    const UINT flags = style == MessageStyle::About ? MB_OK | MB_ICONQUESTION | MB_SETFOREGROUND
                                                    : MB_OK | MB_ICONERROR;
    MessageBoxW(window_.get(), Widen(text).c_str(), Widen(title).c_str(), flags);
}

void Win32Form::StopTimers() {
    if (timersRunning_ && window_) {
        KillTimer(window_.get(), Timer1Id);
        KillTimer(window_.get(), Timer2Id);
    }
    timersRunning_ = false;
}
