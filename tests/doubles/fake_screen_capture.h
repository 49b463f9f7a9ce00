#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/screen_capture.h"

// A picture that is only a size and a serial number, so a test can tell pictures apart.
class FakePicture : public Picture {
  public:
    FakePicture(std::int32_t width, std::int32_t height, int serial)
        : width_(width), height_(height), serial_(serial) {}
    std::int32_t Width() const override { return width_; }
    std::int32_t Height() const override { return height_; }
    int Serial() const { return serial_; }

  private:
    std::int32_t width_;
    std::int32_t height_;
    int serial_;
};

// Records what it is asked to capture and scale and hands out fake pictures of the asked sizes.
class FakeScreenCapture : public ScreenCapture {
  public:
    struct CaptureCall {
        PixelRect area;
        bool withCursor;
    };
    struct ScaleCall {
        int sourceSerial;
        std::int32_t width;
        std::int32_t height;
        int stretchMode;
    };

    PixelRect virtualScreen{0, 0, 1024, 768};
    bool failCapture = false;
    bool failScale = false;
    std::vector<CaptureCall> captures;
    std::vector<ScaleCall> scales;

    PixelRect VirtualScreen() override { return virtualScreen; }

    std::unique_ptr<Picture> CaptureScreenArea(const PixelRect& area, bool withCursor) override {
        captures.push_back({area, withCursor});
        if (failCapture) {
            return nullptr;
        }
        return std::make_unique<FakePicture>(area.width, area.height, ++lastSerial_);
    }

    std::unique_ptr<Picture> ScalePicture(const Picture& source, std::int32_t width,
                                          std::int32_t height, int stretchMode) override {
        scales.push_back(
            {static_cast<const FakePicture&>(source).Serial(), width, height, stretchMode});
        if (failScale) {
            return nullptr;
        }
        return std::make_unique<FakePicture>(width, height, ++lastSerial_);
    }

  private:
    int lastSerial_ = 0;
};
