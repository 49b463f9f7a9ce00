#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "x11/posix_environment.h"
#include "x11/posix_files.h"

namespace {

namespace fs = std::filesystem;

// Each test in a folder of its own, gone with it.
class Posix : public testing::Test {
  protected:
    ~Posix() override {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }
    std::string At(const std::string& name) const { return folder_ + "/" + name; }
    std::string Put(const std::string& name, const std::string& text) const {
        std::ofstream(At(name), std::ios::binary) << text;
        return At(name);
    }

  private:
    std::string pattern_ = (fs::temp_directory_path() / "zedez-test-XXXXXX").string();
    std::string folder_ = ::mkdtemp(pattern_.data()) != nullptr ? pattern_ : "/nonexistent";
};

TEST_F(Posix, FilesWrittenWholeReadBackAndRemoved) {
    const std::string settings = At("config/zedez/settings.ini");
    EXPECT_EQ(ReadWholeFile(settings), std::nullopt);
    EXPECT_EQ(WriteFileAtomically(settings, "[Magnifier]\n"), "");
    EXPECT_EQ(fs::status(At("config/zedez")).permissions(), fs::perms::owner_all);
    const auto mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(settings, mode);  // who may read it stays as the user set it
    for (const std::string& text : {std::string(100000, 'x'), std::string()}) {
        EXPECT_EQ(WriteFileAtomically(settings, text), "");
        EXPECT_EQ(ReadWholeFile(settings), text);
    }
    EXPECT_EQ(fs::status(settings).permissions(), mode);
    EXPECT_EQ(std::distance(fs::directory_iterator(At("config/zedez")), {}), 1);
    EXPECT_EQ(ReadWholeFile(At("config")), std::nullopt);
    EXPECT_EQ(RemoveFile(settings) + RemoveFile(settings), "");  // the second finds it gone
    EXPECT_EQ(RemoveFile(At("config")), std::strerror(EISDIR));
    EXPECT_TRUE(fs::is_directory(At("config/zedez")) && !fs::exists(settings));
}

// A failed write leaves the old file as it was, nothing beside it, and says why: a full disk (a
// file too large for this process, SIGXFSZ ignored so that the write fails rather than the
// process), a folder on the way that is a file, a folder where the file should be.
TEST_F(Posix, AFailedWriteKeepsTheOldFile) {
    Put("plain", "plain");
    fs::create_directory(At("folder"));
    for (const auto& [target, error] : {std::pair<std::string, int>{"old", EFBIG},
                                        {"plain/settings.ini", ENOTDIR},
                                        {"folder", EISDIR}}) {
        const std::string old = Put("old", "[Magnifier]\nSet.Zoom=300\n");
        rlimit unlimited{};
        ::getrlimit(RLIMIT_FSIZE, &unlimited);
        const rlimit limit{error == EFBIG ? 10 : unlimited.rlim_cur, unlimited.rlim_max};
        const auto handler = std::signal(SIGXFSZ, SIG_IGN);
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const std::string reason = WriteFileAtomically(At(target), std::string(100, 'x'));
        ::setrlimit(RLIMIT_FSIZE, &unlimited);
        std::signal(SIGXFSZ, handler);
        EXPECT_EQ(reason, std::strerror(error)) << target;
        EXPECT_EQ(std::distance(fs::directory_iterator(At("")), {}), 3) << target;
        EXPECT_EQ(ReadWholeFile(old), "[Magnifier]\nSet.Zoom=300\n") << target;
        EXPECT_EQ(ReadWholeFile(At("plain")), "plain") << target;
    }
}

TEST_F(Posix, ThisProgramAndTheLengthOfFiles) {
    const fs::path self = ExePath();
    EXPECT_TRUE(self.is_absolute() && self.filename() == "unit_tests") << self;
    EXPECT_GT(FileLength(self), 1000);
    ASSERT_EQ(::mkfifo(At("pipe").c_str(), 0600), 0);
    ASSERT_EQ(::truncate(Put("huge", "").c_str(), 5'000'000'000), 0);  // sparse: takes no room
    // clang-format off
    const std::pair<std::string, std::int32_t> cases[] = {
        {Put("five", "12345"), 5}, {Put("empty", ""), 0}, {At("huge"), INT32_MAX}, {At(""), -1},
        {At("missing"), -1}, {At("pipe"), -1}, {"", -1}, {At("five/x"), -1}};
    // clang-format on
    for (const auto& [path, length] : cases) {
        EXPECT_EQ(FileLength(path), length) << path;
    }
}

}  // namespace
