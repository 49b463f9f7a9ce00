#pragma once

// Move-only owners for the GDI and user handles the program creates. Each counts itself in
// LiveGdiHandles(), because the system's own GDI object count is not available everywhere
// (Wine answers 0): the benchmark and the leak checks read this count instead.

#include <windows.h>

#include <utility>

inline long& LiveGdiHandles() {
    static long count = 0;  // UI thread only
    return count;
}

// A GDI object (bitmap, font, pen, brush) deleted with DeleteObject.
template <typename Handle>
class UniqueGdiObject {
  public:
    UniqueGdiObject() = default;
    explicit UniqueGdiObject(Handle handle) : handle_(handle) {
        if (handle_ != nullptr) {
            ++LiveGdiHandles();
        }
    }
    UniqueGdiObject(UniqueGdiObject&& other) noexcept
        : handle_(std::exchange(other.handle_, nullptr)) {}
    UniqueGdiObject& operator=(UniqueGdiObject&& other) noexcept {
        if (this != &other) {
            reset();
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }
    UniqueGdiObject(const UniqueGdiObject&) = delete;
    UniqueGdiObject& operator=(const UniqueGdiObject&) = delete;
    ~UniqueGdiObject() { reset(); }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    void reset(Handle handle = nullptr) {
        if (handle_ != nullptr) {
            DeleteObject(handle_);
            --LiveGdiHandles();
        }
        handle_ = handle;
        if (handle_ != nullptr) {
            ++LiveGdiHandles();
        }
    }

  private:
    Handle handle_ = nullptr;
};

using UniqueBitmap = UniqueGdiObject<HBITMAP>;
using UniqueFont = UniqueGdiObject<HFONT>;
using UniquePen = UniqueGdiObject<HPEN>;
using UniqueBrush = UniqueGdiObject<HBRUSH>;

// A memory device context from CreateCompatibleDC, deleted with DeleteDC.
class UniqueMemoryDc {
  public:
    UniqueMemoryDc() = default;
    explicit UniqueMemoryDc(HDC compatibleWith) : dc_(CreateCompatibleDC(compatibleWith)) {
        if (dc_ != nullptr) {
            ++LiveGdiHandles();
        }
    }
    UniqueMemoryDc(UniqueMemoryDc&& other) noexcept : dc_(std::exchange(other.dc_, nullptr)) {}
    UniqueMemoryDc& operator=(UniqueMemoryDc&& other) noexcept {
        if (this != &other) {
            reset();
            dc_ = std::exchange(other.dc_, nullptr);
        }
        return *this;
    }
    UniqueMemoryDc(const UniqueMemoryDc&) = delete;
    UniqueMemoryDc& operator=(const UniqueMemoryDc&) = delete;
    ~UniqueMemoryDc() { reset(); }

    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

  private:
    void reset() {
        if (dc_ != nullptr) {
            DeleteDC(dc_);
            --LiveGdiHandles();
            dc_ = nullptr;
        }
    }
    HDC dc_ = nullptr;
};

// A window's (or, for nullptr, the screen's) device context from GetDC, given back with
// ReleaseDC to the same window.
class WindowDc {
  public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {
        if (dc_ != nullptr) {
            ++LiveGdiHandles();
        }
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    ~WindowDc() {
        if (dc_ != nullptr) {
            ReleaseDC(window_, dc_);
            --LiveGdiHandles();
        }
    }
    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

  private:
    HWND window_;
    HDC dc_;
};

// Selects an object into a DC and puts the previous one back when it goes out of scope.
class SelectGuard {
  public:
    SelectGuard(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;
    ~SelectGuard() {
        if (previous_ != nullptr && previous_ != HGDI_ERROR) {
            SelectObject(dc_, previous_);
        }
    }

  private:
    HDC dc_;
    HGDIOBJ previous_;
};
