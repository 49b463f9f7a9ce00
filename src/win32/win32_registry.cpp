#include "win32/win32_registry.h"

#include <windows.h>

#include <vector>

#include "win32/handles.h"
#include "win32/text_conversion.h"

namespace {

HKEY Root(Hive hive) {
    return hive == Hive::Users ? HKEY_USERS : HKEY_CURRENT_USER;
}

// A value that grows between asking its size and reading it is asked for again, this often at
// most; one that keeps growing reads as absent.
constexpr int ReadAttempts = 4;

}  // namespace

std::optional<std::string> Win32Registry::ReadString(Hive hive, const std::string& subkey,
                                                     const std::string& name) {
    UniqueRegistryKey key;
    if (RegOpenKeyExW(Root(hive), Widen(subkey).c_str(), 0, KEY_QUERY_VALUE, key.put()) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    const std::wstring valueName = Widen(name);
    DWORD type = 0;
    DWORD bytes = 0;
    LSTATUS status =
        RegQueryValueExW(key.get(), valueName.c_str(), nullptr, &type, nullptr, &bytes);
    std::vector<wchar_t> buffer;
    for (int attempt = 0; attempt < ReadAttempts; ++attempt) {
        if ((status != ERROR_SUCCESS && status != ERROR_MORE_DATA) || type != REG_SZ) {
            return std::nullopt;
        }
        // Room for every byte (a text written by another tool may end in half a character) and
        // a spare terminator, as a stored text need not end with one.
        buffer.assign((bytes + sizeof(wchar_t) - 1) / sizeof(wchar_t) + 1, L'\0');
        DWORD size = static_cast<DWORD>((buffer.size() - 1) * sizeof(wchar_t));
        status = RegQueryValueExW(key.get(), valueName.c_str(), nullptr, &type,
                                  reinterpret_cast<BYTE*>(buffer.data()), &size);
        if (status == ERROR_SUCCESS) {
            if (type != REG_SZ) {
                return std::nullopt;
            }
            // The whole characters, up to the first NUL; a trailing half character is dropped.
            const std::wstring text(buffer.data(), size / sizeof(wchar_t));
            return Narrow(text.substr(0, text.find(L'\0')));
        }
        bytes = size;
    }
    return std::nullopt;
}

bool Win32Registry::WriteString(Hive hive, const std::string& subkey, const std::string& name,
                                const std::string& data) {
    UniqueRegistryKey key;
    if (RegCreateKeyExW(Root(hive), Widen(subkey).c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        key.put(), nullptr) != ERROR_SUCCESS) {
        return false;
    }
    const std::wstring text = Widen(data);
    // The byte count includes the terminating zero, as REG_SZ values have it.
    const DWORD bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
    return RegSetValueExW(key.get(), Widen(name).c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(text.c_str()), bytes) == ERROR_SUCCESS;
}

bool Win32Registry::DeleteValue(Hive hive, const std::string& subkey, const std::string& name) {
    UniqueRegistryKey key;
    if (RegOpenKeyExW(Root(hive), Widen(subkey).c_str(), 0, KEY_SET_VALUE, key.put()) !=
        ERROR_SUCCESS) {
        return false;
    }
    return RegDeleteValueW(key.get(), Widen(name).c_str()) == ERROR_SUCCESS;
}
