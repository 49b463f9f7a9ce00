#include "shell/settings.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <iterator>
#include <vector>

#include "base/rounding.h"

namespace {

bool IsIgnoredBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

// &H and &O values: up to four digits are a 16-bit, longer ones a 32-bit two's-complement value.
double DecodeRadix(std::string_view digits, int radix) {
    std::uint64_t value = 0;
    std::size_t count = 0;
    for (const char c : digits) {
        const int digit = std::isdigit(static_cast<unsigned char>(c))
                              ? c - '0'
                              : (radix == 16 && std::isxdigit(static_cast<unsigned char>(c))
                                     ? std::toupper(static_cast<unsigned char>(c)) - 'A' + 10
                                     : radix);
        if (digit >= radix) {
            break;
        }
        value = (value * static_cast<std::uint64_t>(radix) + static_cast<std::uint64_t>(digit)) &
                0xFFFFFFFFu;
        ++count;
    }
    const bool shortForm = radix == 16 ? count <= 4 : value <= 0xFFFF;
    if (shortForm) {
        return static_cast<double>(static_cast<std::int16_t>(static_cast<std::uint16_t>(value)));
    }
    return static_cast<double>(static_cast<std::int32_t>(static_cast<std::uint32_t>(value)));
}

// Length of the longest prefix of s that is a decimal number with optional fraction and exponent.
std::size_t DecimalPrefix(std::string_view s) {
    std::size_t i = 0;
    const auto digitsFrom = [&](std::size_t at) {
        std::size_t end = at;
        while (end < s.size() && std::isdigit(static_cast<unsigned char>(s[end]))) {
            ++end;
        }
        return end;
    };
    const std::size_t intEnd = digitsFrom(i);
    bool anyDigit = intEnd > i;
    i = intEnd;
    if (i < s.size() && s[i] == '.') {
        const std::size_t fracEnd = digitsFrom(i + 1);
        anyDigit = anyDigit || fracEnd > i + 1;
        i = fracEnd;
    }
    if (!anyDigit) {
        return 0;
    }
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) {
            ++j;
        }
        const std::size_t expEnd = digitsFrom(j);
        if (expEnd > j) {
            i = expEnd;
        }
    }
    return i;
}

}  // namespace

double DecodeNumber(std::string_view text) {
    std::string s;
    for (const char c : text) {
        if (!IsIgnoredBlank(c)) {
            s += c;
        }
    }
    if (s.size() >= 2 && s[0] == '&') {
        const char kind = static_cast<char>(std::toupper(static_cast<unsigned char>(s[1])));
        if (kind == 'H') {
            return DecodeRadix(std::string_view(s).substr(2), 16);
        }
        if (kind == 'O') {
            return DecodeRadix(std::string_view(s).substr(2), 8);
        }
        return 0;
    }
    bool negative = false;
    std::string_view rest(s);
    if (!rest.empty() && (rest[0] == '+' || rest[0] == '-')) {
        negative = rest[0] == '-';
        rest.remove_prefix(1);
    }
    const std::size_t length = DecimalPrefix(rest);
    if (length == 0) {
        return 0;
    }
    std::string number(rest.substr(0, length));
    for (char& c : number) {
        if (c == 'd' || c == 'D') {
            c = 'e';
        }
    }
    double value = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec != std::errc()) {
        return 0;  // out of range for a double
    }
    return negative ? -value : value;
}

namespace {

std::string ReadSetting(SettingsStore& store, const OptionRow& row) {
    return store.Read(std::string(row.storedName)).value_or(std::string(row.firstRun));
}

std::int16_t DecodeZoom(std::string_view text) {
    const double rounded = RoundHalfEven(DecodeNumber(text));
    if (!(rounded >= Item::FirstZoom && rounded <= Item::LastZoom)) {
        return 0;
    }
    return static_cast<std::int16_t>(rounded);
}

double StoredWindowRect::*EdgeOf(StoredAs edge) {
    switch (edge) {
        case StoredAs::WindowLeft:
            return &StoredWindowRect::left;
        case StoredAs::WindowTop:
            return &StoredWindowRect::top;
        case StoredAs::WindowWidth:
            return &StoredWindowRect::width;
        default:
            return &StoredWindowRect::height;
    }
}

bool IsWindowEdge(StoredAs storedAs) {
    return storedAs >= StoredAs::WindowTop && storedAs <= StoredAs::WindowHeight;
}

}  // namespace

std::string SettingText(double value) {
    char digits[32];
    const auto written =
        std::to_chars(std::begin(digits), std::end(digits), value, std::chars_format::general, 15);
    return std::string(digits, written.ptr);
}

StoredWindowRect ReadWindowAndFlags(SettingsStore& store, OptionTable& options) {
    StoredWindowRect window;
    for (const OptionRow& row : OptionRows) {
        if (IsWindowEdge(row.storedAs)) {
            window.*EdgeOf(row.storedAs) = DecodeNumber(ReadSetting(store, row));
        }
    }
    for (const OptionRow& row : OptionRows) {
        if (row.storedAs == StoredAs::Flag) {
            options.SetChecked(row.index, DecodeNumber(ReadSetting(store, row)) == 1);
        }
    }
    return window;
}

std::int16_t ReadZoom(SettingsStore& store) {
    for (const OptionRow& row : OptionRows) {
        if (row.storedAs == StoredAs::Zoom) {
            const std::int16_t zoom = DecodeZoom(ReadSetting(store, row));
            return zoom != 0 ? zoom : DecodeZoom(row.firstRun);
        }
    }
    return 0;
}

void WriteSettings(SettingsStore& store, const StoredWindowRect& window, std::int16_t zoom,
                   const OptionTable& options) {
    std::vector<const OptionRow*> stored;
    for (const OptionRow& row : OptionRows) {
        if (row.storedAs != StoredAs::Nothing) {
            stored.push_back(&row);
        }
    }
    std::stable_sort(stored.begin(), stored.end(), [](const OptionRow* a, const OptionRow* b) {
        return a->storedAs < b->storedAs;
    });
    for (const OptionRow* row : stored) {
        if (IsWindowEdge(row->storedAs)) {
            store.Write(std::string(row->storedName), SettingText(window.*EdgeOf(row->storedAs)));
        } else if (row->storedAs == StoredAs::Zoom) {
            store.Write(std::string(row->storedName), std::to_string(zoom));
        } else {
            store.Write(std::string(row->storedName),
                        options.IsOptionChecked(row->index) ? "1" : "0");
        }
    }
    store.Commit();
}
