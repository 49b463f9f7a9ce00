#include "x11/posix_caret_mailbox.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

// The source's n-th caret; every tenth has no height, which reads as no caret at all.
CaretInfo Published(std::int32_t n) {
    return {n, 3 * n, n % 10 == 0 ? 0 : n % 40 + 1};
}

TEST(CaretMailbox, TheReaderSeesWholeCaretsInTheOrderPublishedWhileTheSourceWrites) {
    CaretMailbox mailbox;
    EXPECT_EQ(mailbox.Latest().height, 0);  // nothing published yet: no caret
    constexpr std::int32_t count = 200000;
    std::atomic<bool> done{false};
    std::thread source([&] {
        for (std::int32_t n = 1; n <= count; ++n) {
            mailbox.Publish(Published(n));
        }
        done = true;
    });
    std::int32_t lastX = 0;
    std::int32_t reads = 0;
    std::int32_t tornOrStale = 0;
    while (!done || reads == 0) {
        const CaretInfo caret = mailbox.Latest();
        ++reads;
        if (caret.height == 0) {
            tornOrStale += caret.x != 0 || caret.top != 0;
            continue;
        }
        const CaretInfo expected = Published(caret.x);
        tornOrStale +=
            caret.top != expected.top || caret.height != expected.height || caret.x < lastX;
        lastX = caret.x;
    }
    source.join();
    EXPECT_EQ(tornOrStale, 0) << "of " << reads << " reads";
    const CaretInfo last = mailbox.Latest();  // the last one had no height
    EXPECT_EQ(last.x, 0);
    EXPECT_EQ(last.height, 0);
    mailbox.Publish(Published(count - 1));
    EXPECT_EQ(mailbox.Latest().top, 3 * (count - 1));
}

}  // namespace
