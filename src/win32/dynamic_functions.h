#pragma once

#include <windows.h>

// Functions of newer systems, looked up at run time so that the program still starts where
// they are missing; nullptr there.

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using GetDpiForMonitorFn = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
inline constexpr int EffectiveDpi = 0;  // MDT_EFFECTIVE_DPI
using DwmGetWindowAttributeFn = HRESULT(WINAPI*)(HWND, DWORD, PVOID, DWORD);
inline constexpr DWORD ExtendedFrameBounds = 9;  // DWMWA_EXTENDED_FRAME_BOUNDS

#ifndef WM_GETDPISCALEDSIZE
#define WM_GETDPISCALEDSIZE 0x02E4
#endif

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

inline DwmGetWindowAttributeFn DwmGetWindowAttributeFunction() {
    static const auto function =
        LookUpFunction<DwmGetWindowAttributeFn>(L"dwmapi.dll", "DwmGetWindowAttribute");
    return function;
}

inline GetDpiForMonitorFn GetDpiForMonitorFunction() {
    static const auto function =
        LookUpFunction<GetDpiForMonitorFn>(L"shcore.dll", "GetDpiForMonitor");
    return function;
}
