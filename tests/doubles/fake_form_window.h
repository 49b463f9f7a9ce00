#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "doubles/recording_surface.h"
#include "ports/form_events.h"
#include "ports/form_window.h"

// A main window without a screen, with a frame around its inner area. Like the toolkit, it
// reports every size change at once, so a resize handler can run nested inside its own change.
// It keeps the last picture and logs what the program asked of it.
class FakeFormWindow : public FormWindow {
  public:
    struct ShownPicture {
        std::int32_t capturedWidth, capturedHeight, width, height;
        int stretchMode;
        bool operator==(const ShownPicture&) const = default;
    };
    float left = 0, top = 0, width = 1920, height = 1920;
    float scaleWidth = 1920, scaleHeight = 1920;
    float twipsPerPixelX = 15, twipsPerPixelY = 15;
    std::unique_ptr<ShownPicture> picture;
    int pictureChanges = 0;
    LineShape measuringLine;  // as the program last handed it over
    std::function<void()> onResize;
    FormEvents* events = nullptr;  // Unload reports to it, as closing the window does
    std::vector<std::string> log;  // "place L T W H topmost", "message TITLE"...
    RecordingSurface surface;

    float Left() const override { return left; }
    float Top() const override { return top; }
    float Width() const override { return width; }
    float Height() const override { return height; }
    void MoveOntoWorkArea() override { log.push_back("onto work area"); }
    void SetWidth(float twips) override { Move(left, top, twips, height); }
    void SetHeight(float twips) override { Move(left, top, width, twips); }
    void Move(float l, float t, float w, float h) override {
        left = l, top = t, width = w, height = h;
        scaleWidth = width - 8 * 15;  // the frame: 8 x 31 pixels
        scaleHeight = height - 31 * 15;
        if (onResize) {
            onResize();
        }
    }
    float ScaleWidth() const override { return scaleWidth; }
    float ScaleHeight() const override { return scaleHeight; }
    float ScreenTwipsPerPixelX() const override { return twipsPerPixelX; }
    float ScreenTwipsPerPixelY() const override { return twipsPerPixelY; }
    void SetPicture(const Picture& p, std::int32_t w, std::int32_t h, int mode) override {
        picture = std::make_unique<ShownPicture>(ShownPicture{p.width, p.height, w, h, mode});
        ++pictureChanges;
    }
    DrawingSurface& Surface() override { return surface; }
    void SetMeasuringLine(const LineShape& line) override { measuringLine = line; }
    void SetCaption(const std::string& text) override { log.push_back("caption " + text); }
    void Show() override { log.push_back("show"); }
    void PlaceWindow(std::int32_t l, std::int32_t t, std::int32_t w, std::int32_t h,
                     bool topmost) override {
        log.push_back("place " + std::to_string(l) + " " + std::to_string(t) + " " +
                      std::to_string(w) + " " + std::to_string(h) + (topmost ? " topmost" : ""));
    }
    void DragWindow() override {}
    void ShowMessage(const std::string&, const std::string& title, MessageStyle) override {
        log.push_back("message " + title);
    }
    void StopTimers() override { log.push_back("stop timers"); }
    void Unload() override {
        if (events != nullptr) {
            events->OnUnload();
        }
    }
};
