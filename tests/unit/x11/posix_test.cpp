#include <gtest/gtest.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <clocale>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <thread>

#include "x11/posix_caret_mailbox.h"
#include "x11/posix_environment.h"
#include "x11/posix_files.h"
#include "x11/posix_locale.h"
#include "x11/posix_signals.h"

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

// A failed write leaves the old file, nothing beside it, and says why: a full disk (a file too
// large for the process, SIGXFSZ ignored), a folder on the way that is a file, a folder instead.
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

TEST_F(Posix, TheLengthOfFiles) {
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

TEST(SignalPipe, SignalsArriveOnThePipeInOrder) {
    const auto readable = [](int fd) {
        pollfd watched{fd, POLLIN, 0};
        return ::poll(&watched, 1, 0) == 1;
    };
    struct sigaction handler {};
    {
        SignalPipe pipe;
        ASSERT_EQ(pipe.Error(), "");
        EXPECT_NE(SignalPipe().Error(), "");  // only one at a time
        EXPECT_FALSE(readable(pipe.Descriptor()));
        EXPECT_EQ(pipe.TakeSignals(), std::vector<int>{});  // returns at once
        for (const int signal : {SIGTERM, SIGHUP, SIGINT, SIGTERM}) {
            ASSERT_EQ(std::raise(signal), 0);
        }
        EXPECT_TRUE(readable(pipe.Descriptor()));
        EXPECT_EQ(pipe.TakeSignals(), (std::vector<int>{SIGTERM, SIGHUP, SIGINT, SIGTERM}));
        EXPECT_FALSE(readable(pipe.Descriptor()));
        // A system call the signal interrupts carries on instead of failing.
        ASSERT_EQ(::sigaction(SIGHUP, nullptr, &handler), 0);
        EXPECT_NE(handler.sa_flags & SA_RESTART, 0);
    }
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {  // the handlers from before are back
        ASSERT_EQ(::sigaction(signal, nullptr, &handler), 0);
        EXPECT_EQ(handler.sa_handler, SIG_DFL) << signal;
    }
    EXPECT_EQ(SignalPipe().Error(), "");  // and another may take over
}

// The user's separator, with LC_NUMERIC back at "C" for every other number text. German where a
// locale of our own can be made from the system's sources.
TEST_F(Posix, DecimalSeparatorFromTheLocaleWithNumbersLeftInC) {
    const bool german =
        std::system(
            ("localedef -i de_DE -f UTF-8 " + At("de_DE.UTF-8") + " >/dev/null 2>&1").c_str()) == 0;
    ::setenv("LOCPATH", At("").c_str(), 1);
    const std::pair<const char*, const char*> cases[] = {
        {"C", "."}, {"xx_NONE", "."}, {german ? "de_DE.UTF-8" : "C", german ? "," : "."}};
    for (const auto& [locale, separator] : cases) {
        ::setenv("LC_ALL", locale, 1);
        EXPECT_EQ(LocaleDecimalSeparator(), separator) << locale;
        EXPECT_STREQ(std::setlocale(LC_NUMERIC, nullptr), "C") << locale;
    }
    ::unsetenv("LC_ALL");
    ::unsetenv("LOCPATH");
    if (!german) {
        GTEST_SKIP() << "no de_DE locale could be made here: only C was checked";
    }
}

// A source publishes carets from its thread while this one reads, as the tick does: each read is
// a whole caret, never older than the one read before, and a caret of no height reads as none.
TEST(CaretMailbox, TheReaderSeesWholeCaretsInTheOrderPublishedWhileTheSourceWrites) {
    const auto published = [](std::int32_t n) {
        return CaretInfo{n, 3 * n, n % 10 == 0 ? 0 : n % 40 + 1};
    };
    CaretMailbox mailbox;
    std::atomic<bool> done{false};
    std::thread source([&] {
        for (std::int32_t n = 1; n <= 200000; ++n) {
            mailbox.Publish(published(n));
        }
        done = true;
    });
    std::int32_t newest = 0, wrong = 0;
    do {
        const CaretInfo caret = mailbox.Latest();
        const CaretInfo whole = caret.height == 0 ? CaretInfo{} : published(caret.x);
        wrong += caret.x != whole.x || caret.top != whole.top || caret.height != whole.height ||
                 (caret.height != 0 && caret.x < newest);
        newest = std::max(newest, caret.x);
    } while (!done);
    source.join();
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(mailbox.Latest().x, 0);  // the last one had no height
}

}  // namespace
