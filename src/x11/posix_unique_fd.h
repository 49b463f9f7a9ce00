#pragma once

#include <unistd.h>

#include <utility>

// Owns one file descriptor (-1: none) and closes it when it goes or is replaced.
class UniqueFd {
  public:
    UniqueFd() = default;
    explicit UniqueFd(int fd) : fd_(fd) {}
    UniqueFd(UniqueFd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    UniqueFd& operator=(UniqueFd&& other) noexcept {
        if (this != &other) {
            reset(std::exchange(other.fd_, -1));
        }
        return *this;
    }
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;
    ~UniqueFd() { reset(); }

    int get() const { return fd_; }
    explicit operator bool() const { return fd_ >= 0; }
    void reset(int fd = -1) {
        if (fd_ >= 0) {
            ::close(fd_);
        }
        fd_ = fd;
    }
    // Closes now, for a caller that must know whether the last of the data got out.
    // Returns close's result (0, or -1 with errno set).
    int Close() { return fd_ < 0 ? 0 : ::close(std::exchange(fd_, -1)); }

  private:
    int fd_ = -1;
};
