#pragma once

#include <mutex>

#include "ports/input_devices.h"

// The caret handed from the thread that asks other programs for it to the refresh tick: the
// thread publishes whenever it learns something, the tick reads the last word without waiting on
// anything but this lock, which is held only to copy three numbers.
class CaretMailbox {
  public:
    // A caret of no height is no caret.
    void Publish(const CaretInfo& caret) noexcept;
    void Clear() noexcept { Publish({}); }
    CaretInfo Latest() const noexcept;

  private:
    mutable std::mutex mutex_;
    CaretInfo caret_;
};
