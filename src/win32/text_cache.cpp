#include "win32/text_cache.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "win32/gdi_picture.h"
#include "win32/text_conversion.h"

namespace {

constexpr COLORREF Ink = RGB(255, 255, 255);
// A text whose scratch would be larger than this is left to GDI on the target itself.
constexpr std::int64_t MaxScratchPixels = std::int64_t{1} << 20;

SIZE Extent(HDC dc, const std::wstring& text) {
    SIZE size{0, 0};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    if (text.empty()) {
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc, &metrics);
        size.cy = metrics.tmHeight;
    }
    return size;
}

int CALLBACK NoteFaceFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool FaceInstalled(HDC dc, const std::wstring& face) {
    LOGFONTW query{};
    query.lfCharSet = DEFAULT_CHARSET;
    face.copy(query.lfFaceName, LF_FACESIZE - 1);
    bool found = false;
    EnumFontFamiliesExW(dc, &query, NoteFaceFound, reinterpret_cast<LPARAM>(&found), 0);
    return found;
}

HFONT MakeFont(HDC dc, const FontKey& key) {
    LOGFONTW spec{};
    spec.lfHeight = -static_cast<LONG>(std::lround(key.points * static_cast<float>(key.dpi) / 72));
    spec.lfWeight = key.bold ? FW_BOLD : FW_NORMAL;
    spec.lfCharSet = DEFAULT_CHARSET;
    spec.lfQuality = NONANTIALIASED_QUALITY;
    const std::wstring face = Widen(key.face);
    if (FaceInstalled(dc, face)) {
        face.copy(spec.lfFaceName, LF_FACESIZE - 1);
    } else {
        // A face this system lacks (Wine has no "Terminal"): let the mapper pick a fixed-pitch
        // face of the same size, which keeps columns of figures aligned.
        spec.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
    }
    return CreateFontIndirectW(&spec);
}

}  // namespace

FontTexts::FontTexts(HDC compatibleWith, const FontKey& key)
    : font_(MakeFont(compatibleWith, key)) {}

SIZE FontTexts::Measure(HDC dc, const std::string& text) {
    return Find(dc, text).extent;
}

void FontTexts::Print(HDC dc, const std::string& text, PixelBlock target, std::int32_t x,
                      std::int32_t y, Color color) {
    Text& entry = Find(dc, text);
    if (!entry.masked) {
        Mask(dc, entry, text);
    }
    if (!entry.masked) {
        const std::wstring wide = Widen(text);
        SelectGuard select(dc, font_.get());
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, RGB(color.red, color.green, color.blue));
        TextOutW(dc, x, y, wide.c_str(), static_cast<int>(wide.size()));
        return;
    }
    GdiFlush();  // what GDI drew must be in the pixels before they are written
    FillRuns(target, x, y, entry.runs, PixelOf(color));
}

FontTexts::Text& FontTexts::Find(HDC dc, const std::string& text) {
    if (lastKey_ != nullptr && *lastKey_ == text) {
        lastText_->lastUse = ++uses_;
        return *lastText_;
    }
    auto found = texts_.find(text);
    if (found == texts_.end()) {
        if (texts_.size() >= MaxTexts) {
            DropOldTexts();
        }
        Text entry;
        const std::wstring wide = Widen(text);
        if (Scratch* scratch = ScratchOf(dc, 1, 1)) {
            entry.extent = Extent(scratch->dc.get(), wide);
        } else {
            SelectGuard select(dc, font_.get());
            entry.extent = Extent(dc, wide);
        }
        found = texts_.emplace(text, std::move(entry)).first;
    }
    lastKey_ = &found->first;
    lastText_ = &found->second;
    lastText_->lastUse = ++uses_;
    return found->second;
}

void FontTexts::DropOldTexts() {
    std::vector<std::uint64_t> uses;
    uses.reserve(texts_.size());
    for (const auto& entry : texts_) {
        uses.push_back(entry.second.lastUse);
    }
    const auto middle = uses.begin() + static_cast<std::ptrdiff_t>(uses.size() / 2);
    std::nth_element(uses.begin(), middle, uses.end());
    std::erase_if(texts_,
                  [cut = *middle](const auto& entry) { return entry.second.lastUse < cut; });
    lastKey_ = nullptr;
    lastText_ = nullptr;
}

FontTexts::Scratch* FontTexts::ScratchOf(HDC dc, std::int32_t width, std::int32_t height) {
    if (scratch_ && width <= scratch_->width && height <= scratch_->height) {
        return &*scratch_;
    }
    // Only ever larger, so that it is seldom made anew.
    if (scratch_) {
        width = std::max(width, scratch_->width);
        height = std::max(height, scratch_->height);
    }
    scratch_.reset();  // its DC first, then its bitmap
    if (!font_) {
        return nullptr;
    }
    // A one-bit header is followed by its two colours; BITMAPINFO holds the first, black.
    const struct {
        BITMAPINFO header;
        RGBQUAD white;
    } info{TopDownPixelInfo(width, height, 1), RGBQUAD{255, 255, 255, 0}};
    static_assert(offsetof(decltype(info), white) == sizeof(BITMAPINFO));
    Scratch scratch;
    void* bits = nullptr;
    scratch.bitmap.reset(CreateDIBSection(dc, reinterpret_cast<const BITMAPINFO*>(&info),
                                          DIB_RGB_COLORS, &bits, nullptr, 0));
    scratch.dc = MemoryDc(dc);
    if (!scratch.bitmap || !scratch.dc || bits == nullptr ||
        SelectObject(scratch.dc.get(), scratch.bitmap.get()) == nullptr ||
        SelectObject(scratch.dc.get(), font_.get()) == nullptr) {
        return nullptr;
    }
    scratch.bits = static_cast<std::uint8_t*>(bits);
    scratch.width = width;
    scratch.height = height;
    scratch.stride = (width + 31) / 32 * 4;
    SetBkMode(scratch.dc.get(), TRANSPARENT);
    SetTextColor(scratch.dc.get(), Ink);
    TEXTMETRICW metrics{};
    GetTextMetricsW(scratch.dc.get(), &metrics);
    // Glyphs may reach beyond the text's cell (overhangs, accents): a margin of a whole cell.
    scratch.margin = std::max<std::int32_t>(metrics.tmHeight, metrics.tmMaxCharWidth);
    return &scratch_.emplace(std::move(scratch));
}

// Whole texts only: GDI may set a text's characters closer together than their own advances.
void FontTexts::Mask(HDC dc, Text& entry, const std::string& text) {
    const Scratch* scratch = ScratchOf(dc, 1, 1);
    if (scratch == nullptr) {
        return;
    }
    const std::int32_t margin = scratch->margin;
    const std::int32_t width = entry.extent.cx + 2 * margin;
    const std::int32_t height = entry.extent.cy + 2 * margin;
    if (std::int64_t{width} * height > MaxScratchPixels ||
        (scratch = ScratchOf(dc, width, height)) == nullptr) {
        return;
    }
    const HDC scratchDc = scratch->dc.get();
    GdiFlush();  // nothing of GDI's may land after the bits are cleared
    std::fill_n(scratch->bits, static_cast<std::size_t>(scratch->stride) * height, std::uint8_t{0});
    const std::wstring wide = Widen(text);
    TextOutW(scratchDc, margin, margin, wide.c_str(), static_cast<int>(wide.size()));
    GdiFlush();  // the bits must hold the text before they are read
    entry.runs = MaskRuns(scratch->bits, scratch->stride, {width, height}, margin);
    entry.masked = true;
}

FontTexts& TextCache::For(HDC compatibleWith, const FontKey& key) {
    if (last_ != nullptr && key == lastKey_) {
        return *last_;
    }
    auto found = fonts_.find(key);
    if (found == fonts_.end()) {
        if (fonts_.size() >= MaxFonts) {
            fonts_.clear();  // each goes whole: its DC, its bitmap, its font
        }
        found = fonts_.emplace(key, std::make_unique<FontTexts>(compatibleWith, key)).first;
    }
    last_ = found->second.get();
    lastKey_ = key;
    return *last_;
}
