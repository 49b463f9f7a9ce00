#include "platform/win32/registry_settings_store.h"

#include <windows.h>

#include <vector>

#include "platform/win32/registry_key.h"
#include "platform/win32/text_conversion.h"

namespace {

std::wstring KeyPath(const std::string& app, const std::string& section) {
    return L"Software\\" + Widen(app) + L"\\" + Widen(section);
}

// Values longer than this are not settings of ours; reading them is refused.
constexpr DWORD MaxValueBytes = 64 * 1024;

}  // namespace

std::optional<std::string> RegistrySettingsStore::Read(const std::string& app,
                                                       const std::string& section,
                                                       const std::string& key) {
    UniqueRegKey handle;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, KeyPath(app, section).c_str(), 0, KEY_QUERY_VALUE,
                      handle.put()) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    const std::wstring name = Widen(key);
    DWORD type = 0;
    DWORD bytes = 0;
    if (RegQueryValueExW(handle.get(), name.c_str(), nullptr, &type, nullptr, &bytes) !=
            ERROR_SUCCESS ||
        type != REG_SZ || bytes > MaxValueBytes) {
        return std::nullopt;
    }
    // One spare character, as the stored text need not end with a terminator.
    std::vector<wchar_t> buffer(bytes / sizeof(wchar_t) + 1, L'\0');
    DWORD size = static_cast<DWORD>((buffer.size() - 1) * sizeof(wchar_t));
    if (RegQueryValueExW(handle.get(), name.c_str(), nullptr, &type,
                         reinterpret_cast<BYTE*>(buffer.data()), &size) != ERROR_SUCCESS ||
        type != REG_SZ) {
        return std::nullopt;
    }
    return Narrow(std::wstring(buffer.data()));  // up to the first terminator
}

bool RegistrySettingsStore::Write(const std::string& app, const std::string& section,
                                  const std::string& key, const std::string& text) {
    UniqueRegKey handle;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, KeyPath(app, section).c_str(), 0, nullptr, 0,
                        KEY_SET_VALUE, nullptr, handle.put(), nullptr) != ERROR_SUCCESS) {
        return false;
    }
    const std::wstring data = Widen(text);
    const DWORD bytes = static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t));
    return RegSetValueExW(handle.get(), Widen(key).c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(data.c_str()), bytes) == ERROR_SUCCESS;
}
