#include "x11/x_root_reader.h"

#include <X11/extensions/XShm.h>

#include <bit>
#include <cstddef>

#include "x11/x_display.h"

namespace {

constexpr int HostByteOrder = std::endian::native == std::endian::little ? LSBFirst : MSBFirst;

bool IsPixelBlockFormat(const XImage& image) {
    return image.format == ZPixmap && image.bits_per_pixel == 32 &&
           image.byte_order == HostByteOrder && image.bytes_per_line % 4 == 0 &&
           image.red_mask == 0xFF0000 && image.green_mask == 0xFF00 && image.blue_mask == 0xFF;
}

// One channel of an X pixel, scaled from its mask's width to 8 bits.
std::uint32_t Channel(unsigned long pixel, unsigned long mask) {
    if (mask == 0) {
        return 0;
    }
    const int shift = std::countr_zero(mask);
    const unsigned long most = mask >> shift;
    return static_cast<std::uint32_t>((((pixel & mask) >> shift) * 255 + most / 2) / most);
}

}  // namespace

XRootReader::XRootReader(Display* display) : display_(display) {
    sharesMemory_ = display_ != nullptr && XShmQueryExtension(display_);
}

std::optional<PixelBlock> XRootReader::Read(const PixelRect& rect) {
    if (display_ == nullptr || rect.width <= 0 || rect.height <= 0) {
        return std::nullopt;
    }
    KeepXErrorHandler();  // a read fails when the screen shrank under it
    XImage* const image = sharesMemory_ ? ReadShared(rect) : ReadCopied(rect);
    if (image == nullptr) {
        return std::nullopt;
    }
    return InPixelBlockFormat(*image);
}

XImage* XRootReader::ReadShared(const PixelRect& rect) {
    XImage* image = shared_.Fit(rect.width, rect.height);
    if (image == nullptr) {
        // Grown to this read's size; the old segment goes first.
        const int screen = DefaultScreen(display_);
        const std::size_t bytes = static_cast<std::size_t>(rect.width) * 4 * rect.height;
        shared_ = XSharedImage();
        shared_ = XSharedImage::Create(display_, DefaultVisual(display_, screen),
                                       DefaultDepth(display_, screen), bytes);
        if (!shared_) {
            sharesMemory_ = false;  // the server cannot reach our memory: copy from now on
            return ReadCopied(rect);
        }
        image = shared_.Fit(rect.width, rect.height);
    }
    if (image == nullptr || !XShmGetImage(display_, DefaultRootWindow(display_), image, rect.left,
                                          rect.top, AllPlanes)) {
        return nullptr;
    }
    return image;
}

XImage* XRootReader::ReadCopied(const PixelRect& rect) {
    copied_.reset();
    copied_.reset(XGetImage(display_, DefaultRootWindow(display_), rect.left, rect.top,
                            static_cast<unsigned>(rect.width), static_cast<unsigned>(rect.height),
                            AllPlanes, ZPixmap));
    return copied_.get();
}

PixelBlock XRootReader::InPixelBlockFormat(XImage& image) {
    if (IsPixelBlockFormat(image)) {
        return {reinterpret_cast<std::uint32_t*>(image.data), image.width, image.height,
                image.bytes_per_line / 4};
    }
    // Another depth or byte order (a 16-bit screen, a server of the other endianness): pixel by
    // pixel through Xlib, which knows every format.
    converted_.resize(static_cast<std::size_t>(image.width) * image.height);
    std::uint32_t* out = converted_.data();
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const unsigned long pixel = XGetPixel(&image, x, y);
            *out++ = Channel(pixel, image.red_mask) << 16 | Channel(pixel, image.green_mask) << 8 |
                     Channel(pixel, image.blue_mask);
        }
    }
    return {converted_.data(), image.width, image.height, image.width};
}
