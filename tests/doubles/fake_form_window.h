#pragma once

#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ports/drawing_surface.h"
#include "ports/form_events.h"
#include "ports/form_window.h"

// Logs each call: "TEXT@x,y RRGGBB" a print, "fill l,t r,b RRGGBB", "cross x,y w"; `fonts` the
// font of each print and measurement. Every byte of a text is charWidth by lineHeight pixels.
class RecordingSurface : public DrawingSurface {
  public:
    explicit RecordingSurface(PixelSize size = {128, 128}, int dpi = 96, std::int32_t charWidth = 5,
                              std::int32_t lineHeight = 12)
        : size(size), dpi(dpi), charWidth(charWidth), lineHeight(lineHeight) {}
    PixelSize size;
    int dpi;
    std::int32_t charWidth, lineHeight;
    std::vector<std::string> log;
    std::vector<FontSpec> fonts;

    PixelSize Size() const override { return size; }
    int Dpi() const override { return dpi; }
    PixelSize MeasureText(const std::string& text, const FontSpec& font) override {
        fonts.push_back(font);
        return {charWidth * static_cast<std::int32_t>(text.size()), lineHeight};
    }
    void PrintText(std::int32_t x, std::int32_t y, const std::string& text, const FontSpec& font,
                   Color c) override {
        Log("%s@%d,%d %06x", text.c_str(), x, y, PixelOf(c));  // the colour red first
        fonts.push_back(font);
    }
    void FillBox(std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b, Color c) override {
        Log("fill %d,%d %d,%d %06x", l, t, r, b, PixelOf(c));
    }
    void InvertCross(std::int32_t x, std::int32_t y, std::int32_t width) override {
        Log("cross %d,%d %d", x, y, width);
    }

  private:
    template <class... Values>
    void Log(const char* format, Values... values) {
        std::string entry(std::snprintf(nullptr, 0, format, values...), '\0');
        std::snprintf(entry.data(), entry.size() + 1, format, values...);
        log.push_back(entry);
    }
};

// A main window without a screen, its frame 8 x 31 pixels, that reports a resize at once as the
// system does (layouts nest); `onMove` runs before that, as a scale change the move brought would.
class FakeFormWindow : public FormWindow {
  public:
    struct ShownPicture {
        std::int32_t capturedWidth, capturedHeight, width, height;
        StretchMode stretchMode;
        bool operator==(const ShownPicture&) const = default;
    };
    PixelRect outer{0, 0, 128, 128};
    PixelSize client{120, 97};
    int dpi = 96;
    std::unique_ptr<ShownPicture> picture;
    int pictureChanges = 0;
    MeasuringLine measuringLine;  // as the program last handed it over
    std::function<void(const PixelRect&)> onMove;
    FormEvents* events = nullptr;  // told of resizes and of closing, as the system tells it
    std::vector<std::string> log;  // "caption TEXT", "show", "place L T W H topmost"...
    RecordingSurface surface;

    PixelRect OuterRect() const override { return outer; }
    void Move(const PixelRect& to) override {
        const bool resized = to.width != outer.width || to.height != outer.height;
        outer = to;
        client = {outer.width - 8, outer.height - 31};
        if (onMove) {
            onMove(to);
        }
        if (resized && events != nullptr) {
            events->OnResize();
        }
    }
    void MoveOntoWorkArea() override { log.push_back("onto work area"); }
    PixelSize ClientSize() const override { return client; }
    int Dpi() const override { return dpi; }
    void SetPicture(const Picture& p, std::int32_t w, std::int32_t h, StretchMode mode) override {
        picture = std::make_unique<ShownPicture>(ShownPicture{p.width, p.height, w, h, mode});
        ++pictureChanges;
    }
    DrawingSurface& Surface() override { return surface; }
    void SetMeasuringLine(const MeasuringLine& line) override { measuringLine = line; }
    void SetCaption(const std::string& text) override { log.push_back("caption " + text); }
    void Show() override { log.push_back("show"); }
    void PlaceWindow(const PixelRect& r, bool topmost) override {
        log.push_back("place " + std::to_string(r.left) + " " + std::to_string(r.top) + " " +
                      std::to_string(r.width) + " " + std::to_string(r.height) +
                      (topmost ? " topmost" : ""));
    }
    void DragWindow() override {}
    void ShowMessage(const std::string&, const std::string&, MessageStyle) override {}
    void StopTimers() override {}
    void Close() override {
        if (events != nullptr) {
            events->OnClosing();
        }
    }
};
