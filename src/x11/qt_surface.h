#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "ports/drawing_surface.h"
#include "ports/picture.h"
#include "ports/screen_capture.h"
#include "raster/text_runs.h"

// The main window's drawing surface: an image of the client area's size that holds the view
// picture, scaled straight into it, and everything drawn over it; the window paints it. Texts are
// drawn without antialiasing, so that a read-out's glyphs have exactly its two colours: Qt prints
// each text once per font into a scratch image, and every print sets the pixels Qt set there
// (the outline style prints a text nine times, and most of a rendering's texts come again in the
// next), with its extent measured once too.
class QtSurface : public DrawingSurface {
  public:
    explicit QtSurface(int dpi) : dpi_(dpi) {}

    // Makes the image the given size, keeping what it shows at the top-left; new parts are black.
    void Resize(int width, int height);
    // Scales `picture` to width x height at the top-left, the rest black.
    void ShowPicture(const Picture& picture, std::int32_t width, std::int32_t height,
                     StretchMode stretchMode);
    const QImage& Image() const { return image_; }

    PixelSize Size() const override { return {image_.width(), image_.height()}; }
    int Dpi() const override { return dpi_; }
    PixelSize MeasureText(const std::string& text, const FontSpec& font) override;
    void PrintText(std::int32_t x, std::int32_t y, const std::string& text, const FontSpec& font,
                   Color color) override;
    void FillBox(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
                 Color color) override;
    void InvertCross(std::int32_t x, std::int32_t y, std::int32_t lineWidth) override;

  private:
    struct Text {
        std::optional<PixelSize> extent;           // once measured
        std::optional<std::vector<TextRun>> runs;  // once printed
        std::uint64_t lastUse = 0;
    };
    // One font, its metrics, and the texts measured or printed in it.
    struct FontTexts {
        explicit FontTexts(const QFont& made) : font(made), metrics(made) {}
        QFont font;
        QFontMetrics metrics;
        std::map<std::string, Text, std::less<>> texts;
        std::uint64_t uses = 0;
        // The text found last: an outlined print asks for the same text nine times in a row.
        const std::string* lastKey = nullptr;
        Text* last = nullptr;
    };

    PixelBlock Pixels();
    FontTexts& FontOf(const FontSpec& spec);
    Text& Find(FontTexts& font, const std::string& text);
    PixelSize Extent(FontTexts& font, Text& entry, const std::string& text);
    // Has Qt print the text into the scratch image and keeps the pixels it set.
    void Mask(FontTexts& font, Text& entry, const std::string& text);
    // Prints the text with its cell's top-left at (margin, margin) into a blank scratch, the cell
    // textWidth wide, and keeps the runs it set there; false when ink reaches the room's edge,
    // unless it is the last try.
    bool MaskWithin(FontTexts& font, Text& entry, const QString& text, int margin, int textWidth,
                    bool last);

    // Room for every figure of the colour read-outs besides the texts that come and go; past it,
    // the half used longest ago goes.
    static constexpr std::size_t MaxTexts = 512;
    static constexpr int MaxScratchWidth = 4096;
    int dpi_;
    QImage image_;
    std::map<std::tuple<std::string, float, bool>, FontTexts> fonts_;
    // The font asked for last, and its description.
    FontTexts* lastFont_ = nullptr;
    std::string lastFace_;
    float lastPoints_ = 0;
    bool lastBold_ = false;
    // Texts are printed into the scratch through a painter kept open on it, which goes first.
    QImage scratch_;
    std::optional<QPainter> scratchPainter_;
};
