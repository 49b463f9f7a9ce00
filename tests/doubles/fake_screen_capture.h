#pragma once

#include <vector>

#include "ports/screen_capture.h"

// Records what it is asked to capture; hands out pictures of the asked size with no pixels.
class FakeScreenCapture : public ScreenCapture {
  public:
    struct CaptureCall {
        PixelRect area;
        bool withCursor;
        bool operator==(const CaptureCall&) const = default;
    };
    bool failCapture = false;
    int displayChanges = 0;
    std::vector<CaptureCall> captures;

    std::optional<Picture> CaptureScreenArea(const PixelRect& area, bool withCursor) override {
        captures.push_back({area, withCursor});
        return failCapture ? std::nullopt : std::optional(Picture{area.width, area.height, {}, {}});
    }
    std::optional<Color> CapturedPixel(std::int32_t, std::int32_t) const override {
        return std::nullopt;  // so that the program reads the screen
    }
    void DisplayChanged() override { ++displayChanges; }
};
