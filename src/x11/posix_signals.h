#pragma once

#include <signal.h>

#include <array>
#include <string>
#include <vector>

#include "x11/posix_unique_fd.h"

// Turns SIGTERM, SIGINT and SIGHUP into bytes on a pipe, so that the event loop learns of them
// as of any other input (also while a menu or a box runs its own loop) and ends the program
// through its normal close. One at a time: a second one while the first lives is refused.
class SignalPipe {
  public:
    // Installs the handlers (interrupted system calls carry on).
    SignalPipe();
    // Puts back the handlers there were before and closes the pipe.
    ~SignalPipe();
    SignalPipe(const SignalPipe&) = delete;
    SignalPipe& operator=(const SignalPipe&) = delete;

    // Empty when the handlers are in place, else why they are not (strerror).
    const std::string& Error() const { return error_; }
    // Readable when a signal came; -1 when the handlers are not in place.
    int Descriptor() const { return readEnd_.get(); }
    // The signals that came since the last call, oldest first; never waits.
    std::vector<int> TakeSignals();

  private:
    void Uninstall();

    static constexpr std::array<int, 3> Handled{SIGTERM, SIGINT, SIGHUP};
    UniqueFd readEnd_;
    UniqueFd writeEnd_;
    std::array<struct sigaction, Handled.size()> previous_{};
    std::size_t installed_ = 0;
    std::string error_;
};
