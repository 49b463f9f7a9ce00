#include "win32/win32_environment.h"

#include <windows.h>

#include <limits>

#include "win32/handles.h"
#include "win32/text_conversion.h"

namespace {

// Folders, and files the system hides, are not what an autorun entry should name.
constexpr DWORD NotNormalFile =
    FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

// Files and searches report failure as INVALID_HANDLE_VALUE, not as nullptr.
HANDLE ValidOrNull(HANDLE handle) {
    return handle == INVALID_HANDLE_VALUE ? nullptr : handle;
}

}  // namespace

SystemSupport Win32Environment::CheckSystem() {
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof(version);
    // The ANSI query exists on every Windows; only its platform identifier is looked at.
#ifdef _MSC_VER
#pragma warning(suppress : 4996)
#endif
    GetVersionExA(&version);
    return version.dwPlatformId == VER_PLATFORM_WIN32_NT ? SystemSupport::Supported
                                                         : SystemSupport::Windows9x;
}

std::string ExePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            return {};
        }
        if (length < path.size()) {
            path.resize(length);
            return Narrow(path);
        }
        if (path.size() >= 32768) {
            return {};  // longer than any path can be
        }
        path.resize(path.size() * 2);  // cut short: try a bigger buffer
    }
}

std::int32_t FileLength(const std::string& path) {
    const std::wstring wide = Widen(path);
    if (wide.empty() || wide.find_first_of(L"*?") != std::wstring::npos) {
        return -1;
    }
    WIN32_FIND_DATAW found{};
    const UniqueFileSearch search(ValidOrNull(FindFirstFileW(wide.c_str(), &found)));
    if (!search || (found.dwFileAttributes & NotNormalFile) != 0) {
        return -1;
    }
    const UniqueKernelObject file(ValidOrNull(CreateFileW(
        wide.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)));
    if (!file) {
        return -1;
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size)) {
        return -1;
    }
    constexpr auto Largest = std::numeric_limits<std::int32_t>::max();
    return size.QuadPart > Largest ? Largest : static_cast<std::int32_t>(size.QuadPart);
}
