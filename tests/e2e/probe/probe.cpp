// A small helper the end-to-end tests run beside the magnifier, in the same Wine prefix, to read
// and drive its window from outside:
//   probe rect    prints "outer L T R B", "client L T R B" (screen pixels) and "topmost 0|1"
//   probe close   asks the window to close, as the system does when the user closes it
//   probe size W H  resizes the window's outer frame to W x H pixels
//   probe caret   prints "caret X TOP HEIGHT" of the foreground thread's caret (screen pixels)
// Exit code 2 when the window (or the caret) is not there.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

HWND FindMagnifier() {
    return FindWindowW(L"RidoduvuziZedezMain", nullptr);
}

int PrintRect(HWND window) {
    RECT outer{};
    RECT client{};
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    POINT topLeft{client.left, client.top};
    POINT bottomRight{client.right, client.bottom};
    ClientToScreen(window, &topLeft);
    ClientToScreen(window, &bottomRight);
    const bool topmost = (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    std::printf("outer %ld %ld %ld %ld\n", outer.left, outer.top, outer.right, outer.bottom);
    std::printf("client %ld %ld %ld %ld\n", topLeft.x, topLeft.y, bottomRight.x, bottomRight.y);
    std::printf("topmost %d\n", topmost ? 1 : 0);
    return 0;
}

int PrintCaret() {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    if (!GetGUIThreadInfo(0, &info) || info.hwndCaret == nullptr) {
        std::fprintf(stderr, "no caret\n");
        return 2;
    }
    POINT origin{info.rcCaret.left, info.rcCaret.top};
    ClientToScreen(info.hwndCaret, &origin);
    std::printf("caret %ld %ld %ld\n", origin.x, origin.y, info.rcCaret.bottom - info.rcCaret.top);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: probe rect|close|size W H\n");
        return 1;
    }
    if (std::strcmp(argv[1], "caret") == 0) {
        return PrintCaret();
    }
    HWND window = FindMagnifier();
    if (window == nullptr) {
        std::fprintf(stderr, "no magnifier window\n");
        return 2;
    }
    if (std::strcmp(argv[1], "rect") == 0) {
        return PrintRect(window);
    }
    if (std::strcmp(argv[1], "close") == 0) {
        return PostMessageW(window, WM_CLOSE, 0, 0) ? 0 : 1;
    }
    if (std::strcmp(argv[1], "size") == 0 && argc == 4) {
        const int width = std::atoi(argv[2]);
        const int height = std::atoi(argv[3]);
        return SetWindowPos(window, nullptr, 0, 0, width, height,
                            SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE)
                   ? 0
                   : 1;
    }
    std::fprintf(stderr, "unknown command\n");
    return 1;
}
