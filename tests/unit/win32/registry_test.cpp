#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "win32/registry_autostart.h"
#include "win32/registry_language.h"
#include "win32/registry_texts.h"

namespace {

// Registry values in a map keyed by "HKCU\subkey\name" (or "HKU\..."); writes also logged.
class FakeRegistry : public RegistryTexts {
  public:
    std::map<std::string, std::string> values;
    std::vector<std::string> writes;  // "name=data", in order
    bool refuse = false;              // writes and deletes fail and change nothing

    static std::string Key(Hive hive, const std::string& subkey, const std::string& name) {
        return (hive == Hive::Users ? "HKU\\" : "HKCU\\") + subkey + "\\" + name;
    }
    std::optional<std::string> ReadString(Hive h, const std::string& k,
                                          const std::string& n) override {
        const auto found = values.find(Key(h, k, n));
        return found == values.end() ? std::nullopt : std::optional(found->second);
    }
    bool WriteString(Hive h, const std::string& k, const std::string& n,
                     const std::string& data) override {
        return !refuse && (writes.push_back(n + "=" + (values[Key(h, k, n)] = data)), true);
    }
    bool DeleteValue(Hive h, const std::string& k, const std::string& n) override {
        return !refuse && values.erase(Key(h, k, n)) == 1;
    }
};

const std::map<std::string, std::int32_t> Files{
    {"C:\\Tools\\zedez.exe", 1024}, {"C:\\Other\\zedez.exe", 5}, {"C:\\Tools\\empty.exe", 0}};

std::int32_t LengthOf(const std::string& path) {
    const auto found = Files.find(path);
    return found == Files.end() ? -1 : found->second;
}

TEST(RegistryAutostart, StartUpMarkAndCheckingTheItem) {
    const std::string own = "HKCU\\" + std::string(RunKeyPath) + "\\zedez.exe";
    // The program's entry (nullptr: none), whether it checks the item at start, and whether
    // checking the item writes the entry.
    // clang-format off
    const struct { const char* stored; bool checkedAtStart, rewrittenWhenChecked; } cases[] = {
        {nullptr, false, true}, {"\"C:\\Tools\\zedez.exe\"", true, false},
        {" \"c:\\tools\\ZEDEZ.exe\" ", false, true},  // the blank is part of the path
        {"C:\\Tools\\zedez.exe", true, true}, {"\"C:\\Other\\zedez.exe\"", true, true},
        {"\"C:\\Tools\\zedez.exe\" /min", false, true}, {"\"C:\\Tools\\empty.exe\"", false, true},
        {"\"C:\\Missing.exe\"", false, true}, {"\"\"", false, true}};
    // clang-format on
    for (const auto& c : cases) {
        FakeRegistry registry;
        registry.values["HKCU\\" + std::string(RunKeyPath) + "\\other.exe"] = "x";
        RegistryAutostart entry(registry, "C:\\Tools\\zedez.exe", LengthOf);
        if (c.stored != nullptr) {
            registry.values[own] = c.stored;
        }
        EXPECT_EQ(entry.NamesAnExistingFile(), c.checkedAtStart) << c.stored;
        entry.Register();
        EXPECT_TRUE(entry.NamesThisProgram()) << c.stored;
        EXPECT_EQ(registry.writes.size(), c.rewrittenWhenChecked ? 1u : 0u) << c.stored;
        if (c.rewrittenWhenChecked) {
            EXPECT_EQ(registry.values[own], "\"C:\\Tools\\zedez.exe\"");
        }
        entry.Unregister();
        EXPECT_FALSE(entry.NamesThisProgram());
        EXPECT_EQ(registry.values.size(), 1u);  // another program's entry stays
        // A Run key that refuses: the answer says what it holds, not what was asked.
        registry.refuse = true;
        entry.Register();
        EXPECT_FALSE(entry.NamesThisProgram());
        registry.values[own] = "\"C:\\Tools\\zedez.exe\"";
        entry.Unregister();
        EXPECT_TRUE(entry.NamesThisProgram());
        registry.values[own] = "C:\\Other\\zedez.exe";
        EXPECT_FALSE(entry.NamesThisProgram());
    }
    EXPECT_EQ(ExeFileName("C:\\A\\B\\prog.exe"), "prog.exe");
    EXPECT_EQ(ExeFileName("prog.exe"), "prog.exe");
}

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
        {{"de-AT", "en-US", "en"}, true}, {{"", "", "en-US,de;q=0.5"}, false}, {{" DE", nullptr, nullptr}, true},
        {{nullptr, nullptr, "de-DE,en"}, true}, {{"d", "de-DE", nullptr}, false},
        {{nullptr, "de-CH", nullptr}, true}, {{nullptr, nullptr, nullptr}, false}};
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
