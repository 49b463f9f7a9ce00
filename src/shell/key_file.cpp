#include "shell/key_file.h"

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

std::string_view WithoutBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

std::vector<KeyFileLine> KeyFileLines(std::string_view text) {
    if (text.substr(0, ByteOrderMark.size()) == ByteOrderMark) {
        text.remove_prefix(ByteOrderMark.size());
    }
    std::vector<KeyFileLine> lines;
    std::string_view group;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        line = WithoutBlanks(line);
        if (!line.empty() && line.front() == '[' && line.back() == ']') {
            group = WithoutBlanks(line.substr(1, line.size() - 2));
            continue;
        }
        const auto equals = line.find('=');
        const std::string_view name = equals == std::string_view::npos
                                          ? std::string_view()
                                          : WithoutBlanks(line.substr(0, equals));
        if (!name.empty()) {
            lines.push_back({group, name, WithoutBlanks(line.substr(equals + 1))});
        }
    }
    return lines;
}
