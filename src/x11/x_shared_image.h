#pragma once

#include <X11/Xlib.h>
#include <X11/extensions/XShm.h>

#include <cstddef>
#include <memory>

// A shared memory segment that the X server has attached, and an image over it in the root's
// format, so that XShmGetImage writes the screen's pixels straight into our memory. The segment
// stays while later images fit into it. Detached, and let go by both sides, when it goes.
class XSharedImage {
  public:
    XSharedImage() = default;
    // A segment of `bytes` for images of `depth` and `visual`; empty when the system gives none
    // or the server cannot attach it (a server on another machine may offer MIT-SHM all the same).
    static XSharedImage Create(Display* display, Visual* visual, int depth, std::size_t bytes);

    // The image, now width x height over the segment; nullptr when that does not fit.
    XImage* Fit(int width, int height);
    explicit operator bool() const { return segment_ != nullptr; }

  private:
    // Kept at one place for the segment's life: the image points at its record.
    struct Segment {
        Segment() { info.shmid = -1; }
        Segment(const Segment&) = delete;
        Segment& operator=(const Segment&) = delete;
        ~Segment();

        XShmSegmentInfo info{};
        Display* attachedTo = nullptr;
        XImage* image = nullptr;  // only its record: the pixels are the segment's
        std::size_t bytes = 0;
        Visual* visual = nullptr;
        int depth = 0;
    };

    std::unique_ptr<Segment> segment_;
};
