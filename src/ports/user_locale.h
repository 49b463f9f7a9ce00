#pragma once

#include <string>
#include <utility>
#include <vector>

enum class UiLanguage { English, German };

// What the backend works out about the user at start: the language of the texts, the decimal
// separator of the figures the read-outs show (UTF-8), and the captions of menu items (by index)
// that read otherwise on this system in that language.
struct UserLocale {
    UiLanguage language = UiLanguage::English;
    std::string decimalSeparator = ".";
    std::vector<std::pair<int, std::string>> ownCaptions;
};
