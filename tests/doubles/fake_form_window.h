#pragma once

#include <memory>
#include <string>
#include <vector>

#include "doubles/recording_surface.h"
#include "platform/form_events.h"
#include "platform/form_window.h"

// A main window without a screen: a fixed geometry, the last picture it was given, a recording
// surface, and a log of what the program asked of the window.
class FakeFormWindow : public FormWindow {
  public:
    struct Placement {
        std::int32_t left, top, width, height;
        bool topmost;
        bool operator==(const Placement&) const = default;
    };
    struct Message {
        std::string text, title;
        MessageStyle style;
    };

    float left = 0;
    float top = 0;
    float width = 1920;
    float height = 1920;
    float scaleWidth = 1920;
    float scaleHeight = 1920;
    float twipsPerPixelX = 15;
    float twipsPerPixelY = 15;
    struct ShownPicture {
        std::int32_t capturedWidth, capturedHeight, width, height;
        int stretchMode;
        bool operator==(const ShownPicture&) const = default;
    };
    std::unique_ptr<ShownPicture> picture;
    int pictureChanges = 0;
    std::string caption;
    bool shown = false;
    bool timersStopped = false;
    int drags = 0;
    std::vector<Placement> placements;
    std::vector<Message> messages;
    FormEvents* events = nullptr;  // Unload reports to it, as closing the window does
    RecordingSurface surface;

    float Left() const override { return left; }
    float Top() const override { return top; }
    float Width() const override { return width; }
    float Height() const override { return height; }
    void SetWidth(float twips) override { width = twips; }
    void SetHeight(float twips) override { height = twips; }
    void Move(float l, float t, float w, float h) override {
        left = l;
        top = t;
        width = w;
        height = h;
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
    void SetCaption(const std::string& text) override { caption = text; }
    void Show() override { shown = true; }
    void PlaceWindow(std::int32_t l, std::int32_t t, std::int32_t w, std::int32_t h,
                     bool topmost) override {
        placements.push_back({l, t, w, h, topmost});
    }
    void DragWindow() override { ++drags; }
    void ShowMessage(const std::string& text, const std::string& title,
                     MessageStyle style) override {
        messages.push_back({text, title, style});
    }
    void StopTimers() override { timersStopped = true; }
    void Unload() override {
        if (events != nullptr) {
            events->OnUnload();
        }
    }
};
