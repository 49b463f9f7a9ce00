#include "shell/autorun.h"

#include <gtest/gtest.h>

#include "doubles/fake_system.h"

namespace {

TEST(Autorun, StartUpMarkAndCheckingTheItem) {
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
        FakeEnvironment environment;
        environment.files = {{"C:\\Tools\\zedez.exe", 1024},
                             {"C:\\Other\\zedez.exe", 5},
                             {"C:\\Tools\\empty.exe", 0}};
        if (c.stored != nullptr) {
            registry.values[own] = c.stored;
        }
        EXPECT_EQ(IsAutorunRegistered(registry, environment), c.checkedAtStart) << c.stored;
        EXPECT_TRUE(UpdateAutorunEntry(registry, environment, true)) << c.stored;
        EXPECT_EQ(registry.writes.size(), c.rewrittenWhenChecked ? 1u : 0u) << c.stored;
        if (c.rewrittenWhenChecked) {
            EXPECT_EQ(registry.values[own], "\"C:\\Tools\\zedez.exe\"");
        }
        EXPECT_FALSE(UpdateAutorunEntry(registry, environment, false));
        EXPECT_EQ(registry.values.count(own), 0u);
        EXPECT_EQ(registry.values.size(), 1u);  // another program's entry stays
        // A Run key that refuses: the result says what it holds, not what was asked.
        registry.refuse = true;
        EXPECT_FALSE(UpdateAutorunEntry(registry, environment, true));
        registry.values[own] = "\"C:\\Tools\\zedez.exe\"";
        EXPECT_TRUE(UpdateAutorunEntry(registry, environment, false));
        registry.values[own] = "C:\\Other\\zedez.exe";
        EXPECT_FALSE(UpdateAutorunEntry(registry, environment, false));
    }
    // A copy that start-up cannot see (hidden, say): the mark follows the entry all the same,
    // so the next click deletes it.
    FakeRegistry registry;
    FakeEnvironment hidden;
    hidden.exePath = "C:\\Tools\\.zedez.exe";
    EXPECT_TRUE(UpdateAutorunEntry(registry, hidden, true));
    EXPECT_FALSE(IsAutorunRegistered(registry, hidden));
    EXPECT_FALSE(UpdateAutorunEntry(registry, hidden, false));
    EXPECT_TRUE(registry.values.empty());
    EXPECT_EQ(GetExeFileName("C:\\A\\B\\prog.exe"), "prog.exe");
    EXPECT_EQ(GetExeFileName("prog.exe"), "prog.exe");
}

}  // namespace
