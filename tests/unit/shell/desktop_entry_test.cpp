#include "shell/desktop_entry.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// Program paths that need quoting, the Exec line each gets, and that it names the same program.
TEST(DesktopEntry, ExecNamesThisProgramWhateverItsPath) {
    // clang-format off
    const std::pair<std::string, std::string> cases[] = {
        {"/opt/My Tools/zedez", R"("/opt/My Tools/zedez")"}, {R"(/a"b)", R"("/a\\"b")"},
        {R"(/a\b\\c)", R"("/a\\\\b\\\\\\\\c")"}, {"/a$HOME/z`id`", R"("/a\\$HOME/z\\`id\\`")"},
        {"/100%/%u", R"("/100%%/%%u")"}, {"/a'b;c&d|e(f)g*h?i#j~k<l>m=n", R"("/a'b;c&d|e(f)g*h?i#j~k<l>m=n")"},
        {"/tab\there/new\nline\r", R"("/tab\there/new\nline\r")"}, {"/x/ \\s ", R"("/x/ \\\\s ")"},
        {"/j\xC3\xBCrgen", "\"/j\xC3\xBCrgen\""}};
    // clang-format on
    for (const auto& [path, exec] : cases) {
        const std::optional<std::string> text = DesktopEntryText(path);
        EXPECT_NE(text.value_or("").find("\nExec=" + exec + "\n"), std::string::npos) << path;
        EXPECT_TRUE(EntryNamesProgram(text, path)) << path;
    }
    EXPECT_EQ(DesktopEntryText("/usr/bin/zedez"),
              "[Desktop Entry]\nType=Application\nVersion=1.0\nName=Ridoduvuzi Zedez\n"
              "Name[de]=Zezovirure Vova\nComment=Screen magnifier\nComment[de]=Bildschirmlupe\n"
              "TryExec=/usr/bin/zedez\nExec=\"/usr/bin/zedez\"\nTerminal=false\n");
    for (const std::string path :
         {"", "zedez", "/a\x01z", "/a\x7Fz", "/bad\xFF", "/cut\xC3", "/\xC0\xAF", "/\xE0\x80\xAF",
          "/\xED\xA0\x80", "/\xF4\x90\x80\x80"}) {
        EXPECT_FALSE(DesktopEntryText(path)) << path;  // no entry can start these
    }
}

// Entries as other tools write them: what they start, and whether they are turned off.
TEST(DesktopEntry, ReadAsOtherToolsWriteIt) {
    const std::string group = "[Desktop Entry]\n";
    // clang-format off
    const struct { std::string text, program; bool hidden; } cases[] = {
        {group + "Exec=/usr/bin/zedez --flag %U\n", "/usr/bin/zedez", false},
        {"\xEF\xBB\xBF[Desktop Entry]\r\nExec = \"/a b/z\" %U \r\nHidden=true\r\n", "/a b/z", true},
        {group + R"(Exec="/a\sb\$c")", "/a b$c", false}, {group + R"(Exec=/a%%b\\c)", R"(/a%b\c)", false},
        {group + "Exec=\"/never closed\n", "", false}, {group + "Exec=\n", "", false},
        {group + "Exec=/x\n[Desktop Action a]\nExec=/y\nHidden=true\n", "/x", false},
        {"Exec=/x\nHidden=true\n", "", false}};
    // clang-format on
    for (const auto& c : cases) {
        const DesktopEntry entry = ReadDesktopEntry(c.text);
        EXPECT_TRUE(entry.program == c.program && entry.hidden == c.hidden) << c.text;
    }
}

TEST(DesktopEntry, TheMarkAtStartAndAfterAClick) {
    const auto entry = [](const std::string& rest) { return "[Desktop Entry]\nExec=" + rest; };
    // The entry (nothing: no file), the mark at start, and after a click of this program's.
    // clang-format off
    const struct { std::optional<std::string> text; bool atStart, afterClick; } cases[] = {
        {std::nullopt, false, false}, {entry("\"/opt/zedez\""), true, true},
        {entry("/opt/zedez\nHidden=true"), false, false},
        {entry("/usr/bin/zedez"), true, false},  // another copy counts at start
        {entry("/empty"), false, false}, {entry("/missing"), false, false},
        {entry("\"/opt/zedez"), false, false}, {"[Desktop Entry]\nType=Application\n", false, false}};
    // clang-format on
    const std::map<std::string, std::int32_t> files{
        {"/opt/zedez", 1024}, {"/usr/bin/zedez", 5}, {"/empty", 0}};
    const auto fileLength = [&](const std::string& path) {
        return files.count(path) != 0 ? files.at(path) : -1;
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EntryNamesAnExistingFile(c.text, fileLength), c.atStart) << "row " << &c - cases;
        EXPECT_EQ(EntryNamesProgram(c.text, "/opt/zedez"), c.afterClick) << "row " << &c - cases;
    }
    EXPECT_FALSE(EntryNamesProgram(entry(""), ""));
}

}  // namespace
