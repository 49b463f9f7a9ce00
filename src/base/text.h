#pragma once

#include <string>
#include <string_view>

// Small text helpers on UTF-8 strings; only ASCII characters are looked at, but for the check
// that a text is UTF-8 at all.

// Without leading and trailing blanks (spaces only, as stored texts have them).
inline std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

inline std::string AsciiLower(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return text;
}

// Every occurrence, left to right; replaced text is not searched again.
inline std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
    if (from.empty()) {
        return text;
    }
    for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

// Whether text is well-formed UTF-8: no stray or missing continuation bytes, no overlong forms,
// no surrogates, nothing beyond U+10FFFF.
inline bool IsValidUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int length = lead < 0x80   ? 1
                           : lead < 0xC2 ? 0
                           : lead < 0xE0 ? 2
                           : lead < 0xF0 ? 3
                           : lead < 0xF5 ? 4
                                         : 0;
        if (length == 0 || text.size() - i < static_cast<std::size_t>(length)) {
            return false;
        }
        for (int k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) {
                return false;
            }
        }
        if (length > 2) {
            const auto second = static_cast<unsigned char>(text[i + 1]);
            const bool overlong =
                (lead == 0xE0 && second < 0xA0) || (lead == 0xF0 && second < 0x90);
            const bool surrogateOrBeyond =
                (lead == 0xED && second >= 0xA0) || (lead == 0xF4 && second >= 0x90);
            if (overlong || surrogateOrBeyond) {
                return false;
            }
        }
        i += static_cast<std::size_t>(length);
    }
    return true;
}
