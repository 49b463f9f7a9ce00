#pragma once

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "ports/picture.h"
#include "x11/x_shared_image.h"

// Reads rectangles of the root window: through MIT-SHM into a segment kept while it is large
// enough, or with XGetImage where the server offers no shared memory or cannot attach ours (a
// remote display). The pixels are wrapped as they come when the server's format is PixelBlock's
// (32 bits, blue in the lowest byte), and converted otherwise.
class XRootReader {
  public:
    explicit XRootReader(Display* display);

    // The pixels of `rect`, which must lie on the root window: a read reaching past it fails.
    // They are the reader's to overwrite at the next read; the caller may write into them until
    // then. Empty when the read fails.
    std::optional<PixelBlock> Read(const PixelRect& rect);
    bool SharesMemory() const { return sharesMemory_; }

  private:
    struct DestroyImage {
        void operator()(XImage* image) const { XDestroyImage(image); }
    };

    XImage* ReadShared(const PixelRect& rect);
    XImage* ReadCopied(const PixelRect& rect);
    PixelBlock InPixelBlockFormat(XImage& image);

    Display* display_;
    bool sharesMemory_ = false;
    XSharedImage shared_;
    std::unique_ptr<XImage, DestroyImage> copied_;  // the last XGetImage's
    std::vector<std::uint32_t> converted_;
};
