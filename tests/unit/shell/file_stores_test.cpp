#include <gtest/gtest.h>

#include <sstream>

#include "doubles/fake_text_files.h"
#include "shell/desktop_autostart.h"
#include "shell/desktop_entry.h"
#include "shell/settings_file_store.h"

namespace {

constexpr const char* Settings = "/home/u/.config/zedez/settings.ini";

// Read once, at the first value asked for; written whole, in the order written, at the commit; a
// refused write keeps the old file and says why, naming the file.
TEST(SettingsFileStore, ReadOnceWrittenWholeAndAFailureSaid) {
    FakeTextFiles files;
    files.files[Settings] = "[Magnifier]\nSet.Zoom=400\nWindow.Left=7\n";
    std::ostringstream errors;
    SettingsFileStore store(files, Settings, errors);
    EXPECT_EQ(store.Read("Set.Zoom"), "400");
    EXPECT_EQ(store.Read("Window.Top"), std::nullopt);
    EXPECT_EQ(files.reads, 1);
    store.Write("Window.Top", "9");
    store.Write("Set.Zoom", "200");
    store.Write("Window.Top", "10");  // written again: its place stays
    store.Write("Set.ShowLines", "");
    store.Commit();
    const std::string written = "[Magnifier]\nWindow.Top=10\nSet.Zoom=200\nSet.ShowLines=\n";
    EXPECT_EQ(files.files[Settings], written);
    files.refuse = true;
    store.Commit();
    EXPECT_EQ(files.files[Settings], written);
    EXPECT_EQ(errors.str(), std::string("zedez: the settings could not be stored in ") + Settings +
                                ": Read-only file system\n");
}

// The entry is written only when it does not start this program already; unchecking removes that
// file only; the marks follow what the file says, also when the system refuses.
TEST(DesktopAutostart, WrittenOnceRemovedAloneAndTheMarksFollowTheFile) {
    const std::string entry = "/home/u/.config/autostart/zedez.desktop";
    FakeTextFiles files;
    files.files["/opt/zedez"] = "binary";
    files.files["/home/u/.config/autostart/other.desktop"] = "[Desktop Entry]\nExec=/bin/true\n";
    DesktopAutostart autostart(files, "/opt/zedez", entry);
    EXPECT_FALSE(autostart.NamesAnExistingFile());
    autostart.Register();
    autostart.Register();
    EXPECT_EQ(files.replaces, 1);
    EXPECT_EQ(files.files[entry], DesktopEntryText("/opt/zedez"));
    EXPECT_TRUE(autostart.NamesAnExistingFile() && autostart.NamesThisProgram());
    autostart.Unregister();
    EXPECT_EQ(files.files.size(), 2u);  // the program and the other entry stay
    EXPECT_FALSE(autostart.NamesAnExistingFile() || autostart.NamesThisProgram());
    files.refuse = true;
    autostart.Register();
    EXPECT_FALSE(autostart.NamesThisProgram());
    // Another copy's entry counts at start, not as this program's.
    files.refuse = false;
    files.files[entry] = *DesktopEntryText("/home/u/.config/autostart/other.desktop");
    EXPECT_TRUE(autostart.NamesAnExistingFile());
    EXPECT_FALSE(autostart.NamesThisProgram());
}

}  // namespace
