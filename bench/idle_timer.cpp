// A bare window whose 10 ms timer only asks for the pointer's position: the idle cost of any
// timer-driven window under this system, next to which the magnifier's idle cost is measured.
// With the argument "queries" each tick also asks what every tick of the magnifier must: the
// three mouse buttons and the foreground thread's caret, with its window's origin when there is
// one.

#include <windows.h>

#include <cstring>

namespace {

bool allQueries = false;

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_TIMER: {
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
