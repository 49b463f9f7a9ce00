#include "platform/win32/win32_input_devices.h"

#include <windows.h>

#include "platform/win32/gdi_handles.h"

ScreenPoint Win32InputDevices::GetCursorPos() {
    POINT point{};
    if (!::GetCursorPos(&point)) {
        return {};
    }
    return {point.x, point.y};
}

std::int16_t Win32InputDevices::GetMouseButtons() {
    std::int16_t mask = 0;
    // Any non-zero answer counts: held now, or pressed since the previous query.
    if (GetAsyncKeyState(VK_LBUTTON) != 0) {
        mask |= MouseButton::Left;
    }
    if (GetAsyncKeyState(VK_RBUTTON) != 0) {
        mask |= MouseButton::Right;
    }
    if (GetAsyncKeyState(VK_MBUTTON) != 0) {
        mask |= MouseButton::Middle;
    }
    return mask;
}

ColorValue Win32InputDevices::GetScreenPixel(std::int32_t x, std::int32_t y) {
    WindowDc screen(nullptr);
    if (!screen) {
        return NoPixel;
    }
    // CLR_INVALID (all bits set) for a point without a pixel reads as -1.
    return static_cast<ColorValue>(GetPixel(screen.get(), x, y));
}

CaretInfo Win32InputDevices::GetCaretInfo() {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    if (!GetGUIThreadInfo(0, &info) || info.hwndCaret == nullptr) {
        return {};
    }
    const LONG height = info.rcCaret.bottom - info.rcCaret.top;
    if (height <= 0) {
        return {};
    }
    POINT origin{info.rcCaret.left, info.rcCaret.top};
    if (!ClientToScreen(info.hwndCaret, &origin)) {
        return {};
    }
    return {origin.x, origin.y, height};
}
