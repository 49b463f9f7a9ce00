// A bare window whose 10 ms timer only asks for the pointer's position: the idle cost of any
// timer-driven window under this system, next to which the magnifier's idle cost is measured.
// With the argument "queries" each tick also asks what every tick of the magnifier must: the
// three mouse buttons and the foreground thread's caret, with its window's origin when there is
// one. With "moving", each tick in which the pointer moved does what any magnifier at 200% must
// (the floor of a moving pointer): one BitBlt of the screen around the pointer into a DIB, the
// cursor drawn into it as the magnifier's first run does, one StretchBlt of that into a DIB of
// the client's size, and a paint of the window from it. The window has the magnifier's first-run
// rectangle.

#include <windows.h>

#include <algorithm>
#include <cstring>

#include "win32/gdi_picture.h"
#include "win32/handles.h"

namespace {

bool allQueries = false;

class MovingFloor {
  public:
    void Tick(HWND window) {
        POINT pointer{};
        GetCursorPos(&pointer);
        if (pointer.x == last_.x && pointer.y == last_.y) {
            return;
        }
        last_ = pointer;
        RECT client{};
        GetClientRect(window, &client);
        if (!view_.Fit(screen_.get(), client.right, client.bottom) ||
            !capture_.Fit(screen_.get(), std::max(1L, client.right / 2),
                          std::max(1L, client.bottom / 2))) {
            return;
        }
        // The area around the pointer, kept on the screen.
        const int left = std::clamp<int>(pointer.x - capture_.Width() / 2, 0,
                                         GetSystemMetrics(SM_CXSCREEN) - capture_.Width());
        const int top = std::clamp<int>(pointer.y - capture_.Height() / 2, 0,
                                        GetSystemMetrics(SM_CYSCREEN) - capture_.Height());
        BitBlt(capture_.Dc(), 0, 0, capture_.Width(), capture_.Height(), screen_.get(), left, top,
               SRCCOPY);
        DrawCursor(left, top);
        SetStretchBltMode(view_.Dc(), COLORONCOLOR);
        StretchBlt(view_.Dc(), 0, 0, view_.Width(), view_.Height(), capture_.Dc(), 0, 0,
                   capture_.Width(), capture_.Height(), SRCCOPY);
        InvalidateRect(window, nullptr, FALSE);
    }

    void Paint(HWND window) {
        const PaintGuard paint(window);
        const RECT& part = paint.Part();
        BitBlt(paint.Dc(), part.left, part.top, part.right - part.left, part.bottom - part.top,
               view_.Dc(), part.left, part.top, SRCCOPY);
    }

  private:
    void DrawCursor(int left, int top) {
        CURSORINFO cursor{};
        cursor.cbSize = sizeof(cursor);
        if (!GetCursorInfo(&cursor) || (cursor.flags & CURSOR_SHOWING) == 0) {
            return;
        }
        if (cursor.hCursor != cursor_) {
            ICONINFO icon{};
            if (!GetIconInfo(cursor.hCursor, &icon)) {
                return;
            }
            const UniqueBitmap color(icon.hbmColor);
            const UniqueBitmap mask(icon.hbmMask);
            cursor_ = cursor.hCursor;
            hotspot_ = POINT{static_cast<LONG>(icon.xHotspot), static_cast<LONG>(icon.yHotspot)};
        }
        DrawIconEx(capture_.Dc(), cursor.ptScreenPos.x - hotspot_.x - left,
                   cursor.ptScreenPos.y - hotspot_.y - top, cursor.hCursor, 0, 0, 0, nullptr,
                   DI_NORMAL);
    }

    UniqueWindowDc screen_ = WindowDc(nullptr);
    GdiPicture capture_;
    GdiPicture view_;
    POINT last_{-1, -1};
    HCURSOR cursor_ = nullptr;
    POINT hotspot_{};
};

MovingFloor* movingFloor = nullptr;

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_TIMER: {
            if (movingFloor != nullptr) {
                movingFloor->Tick(window);
                return 0;
            }
            POINT pointer{};
            GetCursorPos(&pointer);
            if (allQueries) {
                GetAsyncKeyState(VK_LBUTTON);
                GetAsyncKeyState(VK_RBUTTON);
                GetAsyncKeyState(VK_MBUTTON);
                GUITHREADINFO info{};
                info.cbSize = sizeof(info);
                if (GetGUIThreadInfo(0, &info) && info.hwndCaret != nullptr) {
                    POINT origin{};
                    ClientToScreen(info.hwndCaret, &origin);
                }
            }
            return 0;
        }
        case WM_ERASEBKGND:
            return movingFloor != nullptr ? 1 : DefWindowProcW(window, message, wParam, lParam);
        case WM_PAINT:
            if (movingFloor != nullptr) {
                movingFloor->Paint(window);
                return 0;
            }
            return DefWindowProcW(window, message, wParam, lParam);
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    allQueries = std::strstr(commandLine, "queries") != nullptr;
    MovingFloor floorWork;
    if (std::strstr(commandLine, "moving") != nullptr) {
        movingFloor = &floorWork;
    }
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.lpszClassName = L"IdleTimer";
    RegisterClassExW(&windowClass);
    HWND window = CreateWindowExW(0, L"IdleTimer", L"idle timer", WS_OVERLAPPEDWINDOW, 32, 32, 128,
                                  128, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) {
        return 1;
    }
    ShowWindow(window, SW_SHOW);
    SetTimer(window, 1, 10, nullptr);
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        DispatchMessageW(&message);
    }
    return 0;
}
