#include "x11/qt_surface.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "raster/area_average.h"
#include "raster/block_scale.h"
#include "raster/pixel_fill.h"
#include "raster/placement.h"

namespace {

// The faces the read-outs ask for, as this system has them: a sans-serif face for "Tahoma", a
// fixed-pitch one for "Terminal", whose columns of figures must stay in line; fontconfig picks
// the face that is there, and the default one when neither is.
QFont::StyleHint HintFor(const std::string& face) {
    return face == "Terminal" ? QFont::TypeWriter : QFont::SansSerif;
}

}  // namespace

void QtSurface::Resize(int width, int height) {
    width = std::max(width, 1);
    height = std::max(height, 1);
    if (image_.width() == width && image_.height() == height) {
        return;
    }
    QImage resized(width, height, QImage::Format_RGB32);
    resized.fill(Qt::black);
    if (!image_.isNull()) {
        QPainter painter(&resized);
        painter.drawImage(0, 0, image_);
    }
    image_ = std::move(resized);
}

PixelBlock QtSurface::Pixels() {
    // RGB32 keeps blue in the lowest byte of each 32-bit pixel, as PixelBlock does.
    return {reinterpret_cast<std::uint32_t*>(image_.bits()), image_.width(), image_.height(),
            static_cast<std::int32_t>(image_.bytesPerLine() / 4)};
}

void QtSurface::ShowPicture(const Picture& picture, std::int32_t width, std::int32_t height,
                            StretchMode stretchMode) {
    if (image_.isNull() || width <= 0 || height <= 0 || picture.width <= 0 || picture.height <= 0) {
        return;
    }
    const PixelBlock all = Pixels();
    const PixelBlock target{all.pixels, std::min(width, all.width), std::min(height, all.height),
                            all.stride};
    if (stretchMode == StretchMode::Average) {
        AverageScale(picture, width, height, target);
    } else {
        BlockScale(picture, width, height, target);
    }
    // What the scaled picture does not reach is black.
    FillRect(all, {target.width, 0, all.width - target.width, all.height}, 0);
    FillRect(all, {0, target.height, target.width, all.height - target.height}, 0);
}

const QFont& QtSurface::FontOf(const FontSpec& spec) {
    const auto key = std::tuple(std::string(spec.face), spec.points, spec.bold);
    auto found = fonts_.find(key);
    if (found == fonts_.end()) {
        QFont font(QString::fromUtf8(spec.face.data(), static_cast<qsizetype>(spec.face.size())));
        // The hint and the strategy together: a later hint alone would turn antialiasing on again.
        font.setStyleHint(HintFor(std::string(spec.face)), QFont::NoAntialias);
        font.setPixelSize(
            static_cast<int>(std::lround(spec.points * static_cast<float>(dpi_) / 72)));
        font.setBold(spec.bold);
        found = fonts_.emplace(key, font).first;
    }
    return found->second;
}

PixelSize QtSurface::MeasureText(const std::string& text, const FontSpec& font) {
    const QFontMetrics metrics(FontOf(font));
    return {metrics.horizontalAdvance(QString::fromStdString(text)), metrics.height()};
}

void QtSurface::PrintText(std::int32_t x, std::int32_t y, const std::string& text,
                          const FontSpec& font, Color color) {
    if (image_.isNull()) {
        return;
    }
    QPainter painter(&image_);
    const QFont& qfont = FontOf(font);
    painter.setFont(qfont);
    painter.setPen(QColor(color.red, color.green, color.blue));
    // (x, y) is the top-left of the text's cell; Qt draws from the baseline.
    painter.drawText(x, y + QFontMetrics(qfont).ascent(), QString::fromStdString(text));
}

void QtSurface::FillBox(std::int32_t left, std::int32_t top, std::int32_t right,
                        std::int32_t bottom, Color color) {
    if (!image_.isNull()) {
        ::FillBox(Pixels(), left, top, right, bottom, PixelOf(color));
    }
}

void QtSurface::InvertCross(std::int32_t x, std::int32_t y, std::int32_t lineWidth) {
    if (!image_.isNull()) {
        ::InvertCross(Pixels(), x, y, lineWidth);
    }
}
