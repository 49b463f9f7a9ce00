#include "x11/posix_caret_mailbox.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

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
    std::int32_t newest = 0;
    std::int32_t wrong = 0;
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
