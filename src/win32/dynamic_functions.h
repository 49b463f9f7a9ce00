#pragma once

#include <windows.h>

// Functions of newer systems, looked up at run time so that the program still starts where
// they are missing; nullptr there.

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using GetDpiForMonitorFn = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
inline constexpr int EffectiveDpi = 0;  // MDT_EFFECTIVE_DPI

template <typename Function>
Function LookUpFunction(const wchar_t* module, const char* name) {
    HMODULE loaded = GetModuleHandleW(module);
    if (loaded == nullptr) {
        loaded = LoadLibraryW(module);  // stays loaded for the life of the process
    }
    return loaded == nullptr
               ? nullptr
               : reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(loaded, name)));
}

inline GetDpiForWindowFn GetDpiForWindowFunction() {
    static const auto function =
        LookUpFunction<GetDpiForWindowFn>(L"user32.dll", "GetDpiForWindow");
    return function;
}

inline GetDpiForMonitorFn GetDpiForMonitorFunction() {
    static const auto function =
        LookUpFunction<GetDpiForMonitorFn>(L"shcore.dll", "GetDpiForMonitor");
    return function;
}
