#include "win32/win32_form.h"

#include <vector>

#include "base/rounding.h"
#include "base/twips.h"
#include "ports/input_devices.h"
#include "raster/placement.h"
#include "win32/dynamic_functions.h"
#include "win32/resource_ids.h"
#include "win32/text_conversion.h"

namespace {

constexpr wchar_t ClassName[] = L"RidoduvuziZedezMain";
constexpr UINT_PTR TrackingTimer = 1;
constexpr UINT_PTR AutoRefreshTimer = 2;
constexpr COLORREF MeasuringLineColor = RGB(128, 128, 128);

Modifiers HeldModifiers(bool shift, bool ctrl) {
    Modifiers held = Modifiers::NoModifier;
    if (shift) {
        held |= Modifiers::Shift;
    }
    if (ctrl) {
        held |= Modifiers::Ctrl;
    }
    if (GetKeyState(VK_MENU) < 0) {
        held |= Modifiers::Alt;
    }
    return held;
}

Modifiers KeyModifiers() {
    return HeldModifiers(GetKeyState(VK_SHIFT) < 0, GetKeyState(VK_CONTROL) < 0);
}

Modifiers MouseModifiers(WPARAM keys) {
    return HeldModifiers((keys & MK_SHIFT) != 0, (keys & MK_CONTROL) != 0);
}

Key KeyOf(WPARAM virtualKey) {
    switch (virtualKey) {
        case VK_F1:
            return Key::F1;
        case VK_F4:
            return Key::F4;
        case VK_APPS:
            return Key::ContextMenu;
        default:
            return Key::Other;
    }
}

PixelRect ToPixelRect(const RECT& r) {
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

// How much of a window must lie on a monitor's work area for the user to see and grab it.
constexpr std::int32_t GrabbablePixels = 32;

BOOL CALLBACK AddWorkArea(HMONITOR monitor, HDC, LPRECT, LPARAM areas) {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (GetMonitorInfoW(monitor, &info)) {
        reinterpret_cast<std::vector<PixelRect>*>(areas)->push_back(ToPixelRect(info.rcWork));
    }
    return TRUE;
}

// Counts a move of the program's own for as long as it lives.
class OwnPlacement {
  public:
    explicit OwnPlacement(int& count) : count_(count) { ++count_; }
    OwnPlacement(const OwnPlacement&) = delete;
    OwnPlacement& operator=(const OwnPlacement&) = delete;
    ~OwnPlacement() { --count_; }

  private:
    int& count_;
};

}  // namespace

Win32Form::Win32Form(HINSTANCE instance) : instance_(instance) {}

Win32Form::~Win32Form() {
    events_ = nullptr;
    window_.reset();  // while every member the window's last messages reach is still there
}

bool Win32Form::Create() {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = CS_DBLCLKS;  // a double click is its own event, not a second press
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance_;
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    // The system keeps shared icons of the standard sizes: nothing to give back.
    windowClass.hIcon = static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(IDI_ZEDEZ),
                                                      IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                                                      GetSystemMetrics(SM_CYICON), LR_SHARED));
    windowClass.hIconSm = static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(IDI_ZEDEZ),
                                                        IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                        GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    windowClass.lpszClassName = ClassName;
    RegisterClassExW(&windowClass);

    // Created hidden; start-up gives it its rectangle before showing it. The handle is taken on
    // WM_NCCREATE, so that the first messages already reach this object.
    if (CreateWindowExW(0, ClassName, L"", WS_OVERLAPPEDWINDOW & ~WS_MAXIMIZEBOX, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance_,
                        this) == nullptr) {
        return false;
    }
    surface_.SetDpi(Dpi());
    ResizeBuffer();
    return true;
}

void Win32Form::StartTimers(int trackingMs, int autoRefreshMs) {
    if (!window_) {
        return;
    }
    SetTimer(window_.get(), TrackingTimer, static_cast<UINT>(trackingMs), nullptr);
    SetTimer(window_.get(), AutoRefreshTimer, static_cast<UINT>(autoRefreshMs), nullptr);
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
        return self->HandleMessage(window, message, wParam, lParam);
    } catch (...) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

LRESULT Win32Form::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_TIMER:
            OnTimer(wParam);
            return 0;
        case WM_SIZE:
            OnSize(wParam);
            return 0;
        case WM_GETMINMAXINFO:
            OnGetMinMaxInfo(*reinterpret_cast<MINMAXINFO*>(lParam));
            return 0;
        case WM_DPICHANGED:
            OnDpiChanged(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_GETDPISCALEDSIZE:
            return OnGetDpiScaledSize(*reinterpret_cast<SIZE*>(lParam)) ? TRUE : FALSE;
        case WM_DISPLAYCHANGE:
            OnDisplayChange();
            return 0;
        case WM_LBUTTONDOWN:
            OnButtonDown(Buttons::Left, wParam);
            return 0;
        case WM_RBUTTONDOWN:
            OnButtonDown(Buttons::Right, wParam);
            return 0;
        case WM_MBUTTONDOWN:
            OnButtonDown(Buttons::Middle, wParam);
            return 0;
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDBLCLK:
        case WM_CONTEXTMENU:
            // The right button and the context-menu key open the menu on their own press; the
            // context-menu message that follows them must not open it a second time.
            return 0;
        case WM_KEYDOWN:
            OnKeyDown(wParam);
            return 0;
        case WM_SYSKEYDOWN:
            OnKeyDown(wParam);
            // F4 with Alt closes only through the key handling, with no other modifier; the
            // other system keys (Alt+Space) keep working.
            return wParam == VK_F4 || !window_ ? 0
                                               : DefWindowProcW(window, message, wParam, lParam);
        case WM_ERASEBKGND:
            return 1;  // the back buffer covers the whole client area
        case WM_PAINT:
            OnPaint();
            return 0;
        case WM_CLOSE:
            OnClose();
            return 0;
        case WM_ENDSESSION:
            OnEndSession(wParam != FALSE);
            return 0;
        case WM_DESTROY:
            OnDestroy();
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

void Win32Form::OnTimer(UINT_PTR timer) {
    if (events_ == nullptr || !timersRunning_) {
        return;
    }
    if (timer == TrackingTimer) {
        events_->OnTrackingTick();
    } else if (timer == AutoRefreshTimer) {
        events_->OnAutoRefreshTick();
    }
}

void Win32Form::OnSize(WPARAM kind) {
    if (kind == SIZE_MINIMIZED) {
        return;  // nothing to lay out, and the size limits must not restore it
    }
    ResizeBuffer();
    if (events_ != nullptr) {
        events_->OnResize();
    }
    InvalidateRect(window_.get(), nullptr, FALSE);
}

void Win32Form::OnGetMinMaxInfo(MINMAXINFO& limits) {
    limits.ptMinTrackSize.x = MinWindowWidthPx;
    limits.ptMinTrackSize.y = MinWindowHeightPx;
}

// The new scale comes with the message: where the system lacks GetDpiForWindow, asking would
// give the system's scale, not the monitor's. The fonts follow it before anything moves; the
// program then takes the suggested rectangle, as the system expects of a window that follows
// the monitor's scale (keeping the old size could drag it back across).
void Win32Form::OnDpiChanged(int dpi, const RECT& suggested) {
    surface_.SetDpi(dpi);
    const PixelRect rect = ToPixelRect(suggested);
    const bool ownMove = ownPlacements_ > 0;
    if (events_ != nullptr) {
        events_->OnScaleChanged(dpi, rect, ownMove);
    } else if (!ownMove) {
        Move(rect);
    }
}

// Asked before a move of the program's own takes the window onto a monitor of another scale: the
// size stays as the program gave it. The system's own scaling applies to the user's moves.
bool Win32Form::OnGetDpiScaledSize(SIZE&) const {
    return ownPlacements_ > 0;
}

void Win32Form::OnDisplayChange() {
    if (events_ != nullptr) {
        events_->OnDisplayChanged();
    }
}

void Win32Form::OnButtonDown(Buttons button, WPARAM keys) {
    if (events_ != nullptr) {
        events_->OnMouseDown(button, MouseModifiers(keys));
    }
}

void Win32Form::OnKeyDown(WPARAM key) {
    if (events_ != nullptr) {
        events_->OnKeyDown(KeyOf(key), KeyModifiers());
    }
}

void Win32Form::OnPaint() {
    const PaintGuard paint(window_.get());
    // The one copy of the view to the window: only what needs painting.
    const RECT& part = paint.Part();
    BitBlt(paint.Dc(), part.left, part.top, part.right - part.left, part.bottom - part.top,
           surface_.Dc(), part.left, part.top, SRCCOPY);
    if (measuringLine_.visible) {
        SelectGuard select(paint.Dc(), GetStockObject(DC_PEN));
        SetDCPenColor(paint.Dc(), MeasuringLineColor);
        MoveToEx(paint.Dc(), RoundToInt32(measuringLine_.fromX), RoundToInt32(measuringLine_.fromY),
                 nullptr);
        LineTo(paint.Dc(), RoundToInt32(measuringLine_.toX), RoundToInt32(measuringLine_.toY));
    }
}

// A close request may arrive inside a modal loop of ours (the popup menu, when an installer or a
// script asks): that loop ends first, so that nothing runs on a window that is gone.
void Win32Form::OnClose() {
    EndMenu();
    ReportClosing();
    DestroyWindow(window_.get());
}

// Logging off ends the process without closing the window: keep the settings.
void Win32Form::OnEndSession(bool ending) {
    if (ending) {
        ReportClosing();
    }
}

void Win32Form::OnDestroy() {
    StopTimers();
    PostQuitMessage(0);
}

void Win32Form::ReportClosing() {
    if (!closingReported_ && events_ != nullptr) {
        closingReported_ = true;
        events_->OnClosing();
    }
}

void Win32Form::Close() {
    if (window_) {
        SendMessageW(window_.get(), WM_CLOSE, 0, 0);
    }
}

void Win32Form::ResizeBuffer() {
    RECT client{};
    GetClientRect(window_.get(), &client);
    const UniqueWindowDc windowDc = WindowDc(window_.get());
    surface_.Resize(windowDc.get(), client.right - client.left, client.bottom - client.top);
}

void Win32Form::SetMeasuringLine(const MeasuringLine& line) {
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

PixelRect Win32Form::OuterRect() const {
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
        return ToPixelRect(rect);
    }
    GetWindowRect(window_.get(), &rect);
    return ToPixelRect(rect);
}

PixelSize Win32Form::ClientSize() const {
    return surface_.Size();
}

void Win32Form::Move(const PixelRect& outer) {
    const OwnPlacement own(ownPlacements_);
    SetWindowPos(window_.get(), nullptr, outer.left, outer.top, outer.width, outer.height,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

PixelRect Win32Form::VisibleFrame() const {
    RECT frame{};
    if (const auto getAttribute = DwmGetWindowAttributeFunction();
        getAttribute != nullptr &&
        SUCCEEDED(getAttribute(window_.get(), ExtendedFrameBounds, &frame, sizeof(frame)))) {
        return ToPixelRect(frame);
    }
    GetWindowRect(window_.get(), &frame);
    return ToPixelRect(frame);
}

void Win32Form::MoveOntoWorkArea() {
    const PixelRect visible = VisibleFrame();
    std::vector<PixelRect> workAreas;
    EnumDisplayMonitors(nullptr, nullptr, AddWorkArea, reinterpret_cast<LPARAM>(&workAreas));
    if (ShowsGrabbablePart(visible, workAreas, GrabbablePixels)) {
        return;
    }
    const RECT frame{visible.left, visible.top, visible.left + visible.width,
                     visible.top + visible.height};
    MONITORINFO nearest{};
    nearest.cbSize = sizeof(nearest);
    if (!GetMonitorInfoW(MonitorFromRect(&frame, MONITOR_DEFAULTTONEAREST), &nearest)) {
        return;
    }
    // The visible frame goes wholly inside; the invisible border may reach beyond.
    const PixelRect inside = InsideArea(visible, ToPixelRect(nearest.rcWork));
    const PixelRect outer = OuterRect();
    const OwnPlacement own(ownPlacements_);
    SetWindowPos(window_.get(), nullptr, outer.left + inside.left - visible.left,
                 outer.top + inside.top - visible.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

void Win32Form::SetPicture(const Picture& picture, std::int32_t width, std::int32_t height,
                           StretchMode stretchMode) {
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

void Win32Form::PlaceWindow(const PixelRect& outer, bool topmost) {
    const OwnPlacement own(ownPlacements_);
    SetWindowPos(window_.get(), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, outer.left, outer.top,
                 outer.width, outer.height, SWP_SHOWWINDOW);
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
        KillTimer(window_.get(), TrackingTimer);
        KillTimer(window_.get(), AutoRefreshTimer);
    }
    timersRunning_ = false;
}
