#pragma once

#include <windows.h>

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/color.h"
#include "ports/picture.h"
#include "raster/text_runs.h"
#include "win32/handles.h"

// A font as the read-outs describe it, at the display scale it is made for.
struct FontKey {
    std::string face;
    float points = 0;
    bool bold = false;
    int dpi = 0;
    auto operator<=>(const FontKey&) const = default;
};

// One font and all that is made of it: the font, a one-bit scratch DIB whose DC keeps it
// selected, and every text printed in it as the runs of pixels GDI set, with its extent. Texts are
// printed into a 32-bit DIB exactly as a transparent TextOutW prints them in a non-antialiased
// font, with GDI asked once per text: the outline style prints each text nine times, and most of a
// tick's texts come again on the next. Members go in reverse order, so the scratch's DC lets go of
// the font and its bitmap before they are deleted.
class FontTexts {
  public:
    FontTexts(HDC compatibleWith, const FontKey& key);
    FontTexts(const FontTexts&) = delete;
    FontTexts& operator=(const FontTexts&) = delete;

    // GetTextExtentPoint32W of the text; an empty text has the font's height. `dc` is the
    // target's: the scratch is made compatible with it, and GDI works on it itself when no
    // scratch can be had.
    SIZE Measure(HDC dc, const std::string& text);
    // Sets the pixels of `target` (the DIB selected into `dc`) that TextOutW would set with the
    // text's origin at (x, y).
    void Print(HDC dc, const std::string& text, PixelBlock target, std::int32_t x, std::int32_t y,
               Color color);

  private:
    struct Text {
        SIZE extent{0, 0};
        bool masked = false;
        std::vector<TextRun> runs;
        std::uint64_t lastUse = 0;
    };
    // The bitmap is declared before the DC, so that the DC goes first and lets go of it.
    struct Scratch {
        UniqueBitmap bitmap;
        UniqueMemoryDc dc;
        std::uint8_t* bits = nullptr;
        std::int32_t width = 0;
        std::int32_t height = 0;
        std::int32_t stride = 0;  // bytes a row
        std::int32_t margin = 0;  // around a text, for ink beyond its cell
    };

    Text& Find(HDC dc, const std::string& text);
    // The scratch, at least width x height; nullptr when the system refuses one.
    Scratch* ScratchOf(HDC dc, std::int32_t width, std::int32_t height);
    // Has GDI print the text into the scratch and keeps where it set bits.
    void Mask(HDC dc, Text& entry, const std::string& text);
    // Drops the half of the texts used longest ago.
    void DropOldTexts();

    // Room for every figure of the colour read-outs besides the texts that come and go.
    static constexpr std::size_t MaxTexts = 512;
    UniqueFont font_;
    std::optional<Scratch> scratch_;
    std::map<std::string, Text> texts_;
    std::uint64_t uses_ = 0;
    // The text found last: a print or measurement mostly repeats the one before.
    const std::string* lastKey_ = nullptr;
    Text* lastText_ = nullptr;
};

// The fonts of the read-outs by their description, each made once and kept with its texts.
class TextCache {
  public:
    FontTexts& For(HDC compatibleWith, const FontKey& key);

  private:
    // More than the read-outs ever use at one scale: a change of scale starts afresh.
    static constexpr std::size_t MaxFonts = 8;
    std::map<FontKey, std::unique_ptr<FontTexts>> fonts_;
    FontTexts* last_ = nullptr;  // the font asked for last, under lastKey_
    FontKey lastKey_;
};
