#include "x11/posix_caret_mailbox.h"

void CaretMailbox::Publish(const CaretInfo& caret) noexcept {
    const CaretInfo stored = caret.height > 0 ? caret : CaretInfo{};
    const std::lock_guard lock(mutex_);
    caret_ = stored;
}

CaretInfo CaretMailbox::Latest() const noexcept {
    const std::lock_guard lock(mutex_);
    return caret_;
}
