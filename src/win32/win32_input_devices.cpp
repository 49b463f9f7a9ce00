#include "win32/win32_input_devices.h"

#include <windows.h>

#include <utility>

#include "raster/caret_scaling.h"
#include "win32/dynamic_functions.h"
#include "win32/handles.h"

namespace {

// The DPI the caret's window draws at, and the DPI of the monitor it is on; 0 when unknown.
std::pair<int, int> WindowAndMonitorDpi(HWND window) {
    const auto getDpiForWindow = GetDpiForWindowFunction();
    const auto getDpiForMonitor = GetDpiForMonitorFunction();
    if (getDpiForWindow == nullptr || getDpiForMonitor == nullptr) {
        return {0, 0};
    }
    UINT x = 0;
    UINT y = 0;
    const HMONITOR monitor = MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST);
    if (FAILED(getDpiForMonitor(monitor, EffectiveDpi, &x, &y))) {
        return {0, 0};
    }
    return {static_cast<int>(getDpiForWindow(window)), static_cast<int>(x)};
}

}  // namespace

ScreenPoint Win32InputDevices::PointerPosition() {
    POINT point{};
    if (!GetCursorPos(&point)) {
        return {};
    }
    return {point.x, point.y};
}

Buttons Win32InputDevices::MouseButtons() {
    Buttons held = Buttons::NoButton;
    // Any non-zero answer counts: held now, or pressed since the previous query.
    if (GetAsyncKeyState(VK_LBUTTON) != 0) {
        held |= Buttons::Left;
    }
    if (GetAsyncKeyState(VK_RBUTTON) != 0) {
        held |= Buttons::Right;
    }
    if (GetAsyncKeyState(VK_MBUTTON) != 0) {
        held |= Buttons::Middle;
    }
    return held;
}

std::optional<Color> Win32InputDevices::ScreenPixel(std::int32_t x, std::int32_t y) {
    if (!screen_) {
        screen_ = WindowDc(nullptr);
    }
    const COLORREF pixel = screen_ ? GetPixel(screen_.get(), x, y) : CLR_INVALID;
    if (pixel == CLR_INVALID) {
        return std::nullopt;  // a point without a pixel
    }
    return Rgb(GetRValue(pixel), GetGValue(pixel), GetBValue(pixel));
}

CaretInfo Win32InputDevices::Caret() {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    if (!GetGUIThreadInfo(0, &info) || info.hwndCaret == nullptr) {
        return {};
    }
    const LONG height = info.rcCaret.bottom - info.rcCaret.top;
    if (height <= 0) {
        return {};
    }
    // The client origin comes in physical pixels, as this program sees every window; the caret
    // rectangle in the caret window's own client units.
    POINT origin{0, 0};
    if (!ClientToScreen(info.hwndCaret, &origin)) {
        return {};
    }
    // The scales are asked again only when the caret's window changes or moves.
    const ScreenPoint client{origin.x, origin.y};
    if (info.hwndCaret != caretWindow_ || !(client == caretClientOrigin_)) {
        caretWindow_ = info.hwndCaret;
        caretClientOrigin_ = client;
        caretDpis_ = WindowAndMonitorDpi(info.hwndCaret);
    }
    const CaretInfo offset = CaretInPhysicalPixels({info.rcCaret.left, info.rcCaret.top, height},
                                                   caretDpis_.first, caretDpis_.second);
    return {origin.x + offset.x, origin.y + offset.top, offset.height};
}
