#include "x11/posix_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>

namespace {

// The pipe's write end, for the handler; -1 while no SignalPipe lives.
std::atomic<int> signalWriteEnd{-1};
static_assert(std::atomic<int>::is_always_lock_free, "the handler may only touch lock-free data");

// Only what is safe in a handler: one write, errno kept for the code it interrupted. A full pipe
// drops the byte, and the signals already in it end the program all the same.
void OnSignal(int number) {
    const int savedErrno = errno;
    const auto byte = static_cast<unsigned char>(number);
    [[maybe_unused]] const ssize_t written = ::write(signalWriteEnd.load(), &byte, 1);
    errno = savedErrno;
}

}  // namespace

SignalPipe::SignalPipe() {
    int ends[2];
    if (signalWriteEnd.load() >= 0) {
        error_ = std::strerror(EBUSY);
        return;
    }
    if (::pipe2(ends, O_NONBLOCK | O_CLOEXEC) != 0) {
        error_ = std::strerror(errno);
        return;
    }
    readEnd_.reset(ends[0]);
    writeEnd_.reset(ends[1]);
    signalWriteEnd.store(writeEnd_.get());
    struct sigaction action {};
    action.sa_handler = OnSignal;
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    for (; installed_ < Handled.size(); ++installed_) {
        if (::sigaction(Handled[installed_], &action, &previous_[installed_]) != 0) {
            error_ = std::strerror(errno);
            Uninstall();
            return;
        }
    }
}

SignalPipe::~SignalPipe() {
    Uninstall();
}

void SignalPipe::Uninstall() {
    while (installed_ > 0) {
        --installed_;
        ::sigaction(Handled[installed_], &previous_[installed_], nullptr);
    }
    if (writeEnd_) {
        signalWriteEnd.store(-1);
    }
    writeEnd_.reset();
    readEnd_.reset();
}

std::vector<int> SignalPipe::TakeSignals() {
    std::vector<int> signals;
    unsigned char bytes[64];
    ssize_t count = 0;
    while (readEnd_ && (count = ::read(readEnd_.get(), bytes, sizeof bytes)) != 0) {
        if (count < 0 && errno != EINTR) {
            break;  // EAGAIN: nothing more for now
        }
        for (ssize_t i = 0; i < count; ++i) {
            signals.push_back(bytes[i]);
        }
    }
    return signals;
}
