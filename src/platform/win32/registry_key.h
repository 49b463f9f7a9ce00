#pragma once

#include <windows.h>

#include <utility>

// An open registry key, closed when it goes away.
class UniqueRegKey {
  public:
    UniqueRegKey() = default;
    UniqueRegKey(UniqueRegKey&& other) noexcept : key_(std::exchange(other.key_, nullptr)) {}
    UniqueRegKey& operator=(UniqueRegKey&& other) noexcept {
        if (this != &other) {
            reset();
            key_ = std::exchange(other.key_, nullptr);
        }
        return *this;
    }
    UniqueRegKey(const UniqueRegKey&) = delete;
    UniqueRegKey& operator=(const UniqueRegKey&) = delete;
    ~UniqueRegKey() { reset(); }

    HKEY get() const { return key_; }
    HKEY* put() {
        reset();
        return &key_;
    }
    explicit operator bool() const { return key_ != nullptr; }

  private:
    void reset() {
        if (key_ != nullptr) {
            RegCloseKey(key_);
            key_ = nullptr;
        }
    }
    HKEY key_ = nullptr;
};
