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
#include "raster/text_runs.h"

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

QtSurface::FontTexts& QtSurface::FontOf(const FontSpec& spec) {
    if (lastFont_ != nullptr && spec.face == lastFace_ && spec.points == lastPoints_ &&
        spec.bold == lastBold_) {
        return *lastFont_;
    }
    const auto key = std::tuple(std::string(spec.face), spec.points, spec.bold);
    auto found = fonts_.find(key);
    if (found == fonts_.end()) {
        QFont font(QString::fromUtf8(spec.face.data(), static_cast<qsizetype>(spec.face.size())));
        // The hint and the strategy together: a later hint alone would turn antialiasing on again.
        font.setStyleHint(HintFor(std::string(spec.face)), QFont::NoAntialias);
        font.setPixelSize(
            static_cast<int>(std::lround(spec.points * static_cast<float>(dpi_) / 72)));
        font.setBold(spec.bold);
        found = fonts_.try_emplace(key, font).first;
    }
    lastFont_ = &found->second;
    lastFace_ = spec.face;
    lastPoints_ = spec.points;
    lastBold_ = spec.bold;
    return found->second;
}

QtSurface::Text& QtSurface::Find(FontTexts& font, const std::string& text) {
    if (font.lastKey != nullptr && *font.lastKey == text) {
        font.last->lastUse = ++font.uses;
        return *font.last;
    }
    auto found = font.texts.find(text);
    if (found == font.texts.end()) {
        if (font.texts.size() >= MaxTexts) {
            std::vector<std::uint64_t> uses;
            uses.reserve(font.texts.size());
            for (const auto& entry : font.texts) {
                uses.push_back(entry.second.lastUse);
            }
            const auto middle = uses.begin() + static_cast<std::ptrdiff_t>(uses.size() / 2);
            std::nth_element(uses.begin(), middle, uses.end());
            std::erase_if(font.texts, [cut = *middle](const auto& entry) {
                return entry.second.lastUse < cut;
            });
            font.lastKey = nullptr;
            font.last = nullptr;
        }
        found = font.texts.emplace(text, Text{}).first;
    }
    font.lastKey = &found->first;
    font.last = &found->second;
    found->second.lastUse = ++font.uses;
    return found->second;
}

PixelSize QtSurface::Extent(FontTexts& font, Text& entry, const std::string& text) {
    if (!entry.extent) {
        entry.extent = PixelSize{font.metrics.horizontalAdvance(QString::fromStdString(text)),
                                 font.metrics.height()};
    }
    return *entry.extent;
}

void QtSurface::Mask(FontTexts& font, Text& entry, const std::string& text) {
    const QString shown = QString::fromStdString(text);
    // Room around the text's cell for ink beyond it (overhangs, accents).
    int margin = std::max(font.metrics.height(), 8);
    // A text that is only printed (most are never measured) is printed into room for its
    // characters at the font's widest; should its ink reach the edge of that room, it is
    // measured after all, and the room around it grows until the ink stays inside.
    const auto widest = std::int64_t{font.metrics.maxWidth()} * shown.size();
    if (!entry.extent && widest <= MaxScratchWidth &&
        MaskWithin(font, entry, shown, margin, static_cast<int>(widest), false)) {
        return;
    }
    const int width = std::max(Extent(font, entry, text).width, 0);
    while (!MaskWithin(font, entry, shown, margin, width, margin >= MaxScratchWidth)) {
        margin *= 2;
    }
}

bool QtSurface::MaskWithin(FontTexts& font, Text& entry, const QString& text, int margin,
                           int textWidth, bool last) {
    const int width = textWidth + 2 * margin;
    const int height = font.metrics.height() + 2 * margin;
    if (scratch_.width() < width || scratch_.height() < height) {
        scratchPainter_.reset();
        scratch_ = QImage(std::max(width, scratch_.width()), std::max(height, scratch_.height()),
                          QImage::Format_RGB32);
    }
    if (!scratchPainter_) {
        scratchPainter_.emplace(&scratch_);
        scratchPainter_->setPen(QColor(255, 255, 255));
    }
    constexpr QRgb Paper = 0xFF000000;
    QPainter& painter = *scratchPainter_;
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(0, 0, width, height, QColor::fromRgb(Paper));
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setFont(font.font);
    // (margin, margin) is the top-left of the text's cell; Qt draws from the baseline.
    painter.drawText(margin, margin + font.metrics.ascent(), text);
    std::vector<TextRun> runs;
    bool atEdge = false;
    for (int y = 0; y < height; ++y) {
        const auto* const line = reinterpret_cast<const QRgb*>(scratch_.constScanLine(y));
        int x = 0;
        while (x < width) {
            if (line[x] == Paper) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < width && line[x] != Paper) {
                ++x;
            }
            atEdge = atEdge || start == 0 || x == width || y == 0 || y == height - 1;
            runs.push_back({y - margin, start - margin, x - margin});
        }
    }
    if (atEdge && !last) {
        return false;
    }
    entry.runs = std::move(runs);
    return true;
}

PixelSize QtSurface::MeasureText(const std::string& text, const FontSpec& font) {
    FontTexts& texts = FontOf(font);
    return Extent(texts, Find(texts, text), text);
}

void QtSurface::PrintText(std::int32_t x, std::int32_t y, const std::string& text,
                          const FontSpec& font, Color color) {
    if (image_.isNull()) {
        return;
    }
    FontTexts& texts = FontOf(font);
    Text& entry = Find(texts, text);
    if (!entry.runs) {
        Mask(texts, entry, text);
    }
    FillRuns(Pixels(), x, y, *entry.runs, PixelOf(color));
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
