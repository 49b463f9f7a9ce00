// Reads and drives windows from outside, in the magnifier's Wine prefix; exit code 2 when the
// window, the caret or the box is not there.
//   rect          "outer L T R B", "client L T R B" (screen pixels), "topmost 0|1"; 3 while hidden
//   close         asks the window to close and waits for the answer, as an installer does
//   focus [CLASS] makes it (or that class's window) the foreground window, which gets the keys
//   caret         "caret X TOP HEIGHT" of the foreground thread's caret; menu: 0 while one is open
//   msgbox [ok]   "title T", "text T" of the message box, \, CR and LF written \\, \r, \n; "ok"
//                 presses OK. monitors: "monitor L T R B" of each monitor
//   hold PATH     opens the file as a virus scanner may, letting no one write or delete it, says
//                 "held" and keeps it open until killed
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

void Print(const char* label, const wchar_t* text) {
    std::wstring shown;
    for (; *text != L'\0'; ++text) {
        shown += *text == L'\\'   ? L"\\\\"
                 : *text == L'\r' ? L"\\r"
                 : *text == L'\n' ? L"\\n"
                                  : std::wstring(1, *text);
    }
    std::string utf8(shown.size() * 3, '\0');  // at most three bytes per UTF-16 unit
    utf8.resize(WideCharToMultiByte(CP_UTF8, 0, shown.c_str(), static_cast<int>(shown.size()),
                                    utf8.data(), static_cast<int>(utf8.size()), nullptr, nullptr));
    std::printf("%s %s\n", label, utf8.c_str());
}

int PrintRect(HWND window) {
    RECT outer{}, client{};
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    std::printf("outer %ld %ld %ld %ld\nclient %ld %ld %ld %ld\ntopmost %d\n", outer.left,
                outer.top, outer.right, outer.bottom, client.left, client.top, client.right,
                client.bottom, (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) ? 1 : 0);
    return IsWindowVisible(window) ? 0 : 3;
}

// The window's own thread carries the activation out, and with it takes the keyboard.
int Focus(HWND window) {
    SetForegroundWindow(window);
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    for (int i = 0; i < 100; ++i, Sleep(20)) {
        if (GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) &&
            info.hwndActive == window && info.hwndFocus != nullptr) {
            return 0;
        }
    }
    return 1;
}

int PrintCaret() {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    if (!GetGUIThreadInfo(0, &info) || info.hwndCaret == nullptr) {
        return 2;
    }
    POINT origin{info.rcCaret.left, info.rcCaret.top};
    ClientToScreen(info.hwndCaret, &origin);
    std::printf("caret %ld %ld %ld\n", origin.x, origin.y, info.rcCaret.bottom - info.rcCaret.top);
    return 0;
}

int ReadMessageBox(bool pressOk) {
    HWND box = FindWindowW(L"#32770", nullptr);
    wchar_t text[4096] = L"";
    if (box == nullptr) {
        return 2;
    }
    GetWindowTextW(box, text, 4096);
    Print("title", text);
    GetDlgItemTextW(box, 0xFFFF, text, 4096);  // the message is the box's static control 0xFFFF
    Print("text", text);
    return !pressOk || PostMessageW(box, WM_COMMAND, IDOK, 0) ? 0 : 1;
}

BOOL CALLBACK PrintMonitor(HMONITOR, HDC, LPRECT rect, LPARAM) {
    std::printf("monitor %ld %ld %ld %ld\n", rect->left, rect->top, rect->right, rect->bottom);
    return TRUE;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "", argument = argc > 2 ? argv[2] : "";
    const std::wstring wide(argument.begin(), argument.end());
    if (command == "hold") {
        if (CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                        nullptr) == INVALID_HANDLE_VALUE) {
            return 2;
        }
        std::puts("held");
        std::fflush(stdout);
        Sleep(INFINITE);
    }
    const HWND menu = FindWindowW(L"#32768", nullptr);
    if (command == "monitors" || command == "caret" || command == "msgbox" || command == "menu") {
        return command == "monitors"
                   ? (EnumDisplayMonitors(nullptr, nullptr, PrintMonitor, 0) ? 0 : 1)
               : command == "caret"  ? PrintCaret()
               : command == "msgbox" ? ReadMessageBox(argument == "ok")
                                     : (menu != nullptr && IsWindowVisible(menu) ? 0 : 2);
    }
    const HWND window = FindWindowW(
        command == "focus" && !wide.empty() ? wide.c_str() : L"RidoduvuziZedezMain", nullptr);
    if (window == nullptr) {
        return 2;
    }
    if (command == "close") {  // 1 when the window did not answer
        return !SendMessageTimeoutW(window, WM_CLOSE, 0, 0, SMTO_ABORTIFHUNG, 10000, nullptr);
    }
    return command == "rect" ? PrintRect(window) : command == "focus" ? Focus(window) : 1;
}
