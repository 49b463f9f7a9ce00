#pragma once

// One move-only owner for every handle the program creates or borrows, each kind given back by its
// own closer, and two guards: one for an object selected into a DC, one for a paint.

#include <windows.h>

#include <utility>

// GDI objects and DCs of ours that are alive. Counted here because the system's own count is not
// available everywhere (Wine answers 0 to GetGuiResources): the benchmark reads this one.
inline long& LiveGdiHandles() {
    static long count = 0;  // UI thread only
    return count;
}

struct DeleteGdiObject {
    static constexpr bool CountsAsGdi = true;
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
struct DeleteMemoryDc {
    static constexpr bool CountsAsGdi = true;
    void operator()(HDC dc) const { DeleteDC(dc); }
};
// A DC from GetDC goes back to the window it came from (nullptr: the screen).
struct ReleaseWindowDc {
    static constexpr bool CountsAsGdi = true;
    HWND window = nullptr;
    void operator()(HDC dc) const { ReleaseDC(window, dc); }
};
struct CloseRegistryKey {
    void operator()(HKEY key) const { RegCloseKey(key); }
};
struct CloseFileSearch {
    void operator()(HANDLE search) const { FindClose(search); }
};
struct CloseKernelObject {
    void operator()(HANDLE object) const { CloseHandle(object); }
};
struct DestroyMenuHandle {
    void operator()(HMENU menu) const { DestroyMenu(menu); }
};
struct DestroyWindowHandle {
    void operator()(HWND window) const { DestroyWindow(window); }
};

// Owns one handle (nullptr: none) and gives it back with Close when it goes or is replaced.
template <typename Handle, typename Close>
class UniqueHandle {
  public:
    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle, Close close = Close{}) : close_(close) { reset(handle); }
    UniqueHandle(UniqueHandle&& other) noexcept
        : handle_(std::exchange(other.handle_, nullptr)), close_(other.close_) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) {
            reset();
            handle_ = std::exchange(other.handle_, nullptr);
            close_ = other.close_;
        }
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    ~UniqueHandle() { reset(); }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

    // The old handle is let go before it is closed, so that closing it (a window's last
    // messages) finds the owner already empty.
    void reset(Handle handle = nullptr) {
        const Handle old = std::exchange(handle_, handle);
        if (handle_ != nullptr && Counted) {
            ++LiveGdiHandles();
        }
        if (old != nullptr) {
            if (Counted) {
                --LiveGdiHandles();
            }
            close_(old);
        }
    }
    // No longer owned: someone else gives it back.
    Handle release() {
        if (handle_ != nullptr && Counted) {
            --LiveGdiHandles();
        }
        return std::exchange(handle_, nullptr);
    }
    // For a call that hands the handle out through a pointer (only for kinds that are not counted).
    Handle* put() {
        static_assert(!Counted, "a counted handle is set through reset()");
        reset();
        return &handle_;
    }

  private:
    static constexpr bool Counted = requires { requires Close::CountsAsGdi; };
    Handle handle_ = nullptr;
    Close close_{};
};

using UniqueBitmap = UniqueHandle<HBITMAP, DeleteGdiObject>;
using UniqueFont = UniqueHandle<HFONT, DeleteGdiObject>;
using UniquePen = UniqueHandle<HPEN, DeleteGdiObject>;
using UniqueMemoryDc = UniqueHandle<HDC, DeleteMemoryDc>;
using UniqueWindowDc = UniqueHandle<HDC, ReleaseWindowDc>;
using UniqueRegistryKey = UniqueHandle<HKEY, CloseRegistryKey>;
using UniqueFileSearch = UniqueHandle<HANDLE, CloseFileSearch>;
using UniqueKernelObject = UniqueHandle<HANDLE, CloseKernelObject>;
using UniqueMenu = UniqueHandle<HMENU, DestroyMenuHandle>;
using UniqueWindow = UniqueHandle<HWND, DestroyWindowHandle>;

// The DC of a window, or of the whole screen for nullptr.
inline UniqueWindowDc WindowDc(HWND window) {
    return UniqueWindowDc(GetDC(window), ReleaseWindowDc{window});
}

inline UniqueMemoryDc MemoryDc(HDC compatibleWith) {
    return UniqueMemoryDc(CreateCompatibleDC(compatibleWith));
}

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

// BeginPaint for as long as it lives, then EndPaint.
class PaintGuard {
  public:
    explicit PaintGuard(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
    PaintGuard(const PaintGuard&) = delete;
    PaintGuard& operator=(const PaintGuard&) = delete;
    ~PaintGuard() { EndPaint(window_, &paint_); }

    HDC Dc() const { return dc_; }
    const RECT& Part() const { return paint_.rcPaint; }

  private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};
