#include "win32/registry_language.h"

#include <gtest/gtest.h>

#include "doubles/fake_registry.h"

namespace {

// The three sources in order: the user's locale, the default user's, the browser's languages.
TEST(RegistryLanguage, FirstNonEmptySourceDecidesAndOnlyDeIsGerman) {
    const std::string intl = "Control Panel\\International";
    const std::string keys[] = {
        FakeRegistry::Key(Hive::CurrentUser, intl, "LocaleName"),
        FakeRegistry::Key(Hive::Users, ".DEFAULT\\" + intl, "LocaleName"),
        FakeRegistry::Key(Hive::CurrentUser,
                          "Software\\Microsoft\\Internet Explorer\\International",
                          "AcceptLanguage")};
    // clang-format off
    const struct { const char* sources[3]; bool german; } cases[] = {
        {{"de-AT", "en-US", "en"}, true}, {{"", "", "en-US,de;q=0.5"}, false},
        {{nullptr, nullptr, "de-DE,en"}, true}, {{" DE", nullptr, nullptr}, true},
        {{"d", "de-DE", nullptr}, false}, {{nullptr, "de-CH", nullptr}, true},
        {{nullptr, nullptr, nullptr}, false}};
    // clang-format on
    for (const auto& c : cases) {
        FakeRegistry registry;
        for (int i = 0; i < 3; ++i) {
            if (c.sources[i] != nullptr) {
                registry.values[keys[i]] = c.sources[i];
            }
        }
        EXPECT_EQ(RegistryLanguage(registry), c.german ? UiLanguage::German : UiLanguage::English)
            << c.sources[0];
    }
}

}  // namespace
