#pragma once

#include <QFont>
#include <QImage>
#include <map>
#include <memory>
#include <string>
#include <tuple>

#include "ports/drawing_surface.h"
#include "ports/picture.h"
#include "ports/screen_capture.h"

// The main window's drawing surface: an image of the client area's size that holds the view
// picture, scaled straight into it, and everything drawn over it; the window paints it. Texts are
// drawn without antialiasing, so that a read-out's glyphs have exactly its two colours.
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
    PixelBlock Pixels();
    const QFont& FontOf(const FontSpec& spec);

    int dpi_;
    QImage image_;
    std::map<std::tuple<std::string, float, bool>, QFont> fonts_;
};
