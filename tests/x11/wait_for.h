#pragma once

#include <chrono>
#include <thread>

// Polls `done` until it holds; false when `limit` passed first.
template <typename Condition>
bool WaitFor(Condition done, std::chrono::milliseconds limit = std::chrono::seconds(15)) {
    using Clock = std::chrono::steady_clock;
    for (const auto end = Clock::now() + limit; !done() && Clock::now() < end;) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return done();
}
