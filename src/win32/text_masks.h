#pragma once

#include <windows.h>

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "ports/picture.h"
#include "win32/handles.h"

// Texts printed into a 32-bit DIB exactly as a transparent TextOutW prints them in a
// non-antialiased font, with GDI asked once per text and font: every print writes its colour into
// the target's pixels where GDI set a bit when it printed the text into a one-bit scratch DIB of
// that font. The outline style prints each text nine times, and most of a tick's texts come again
// on the next. Extents are kept too.
class TextMasks {
  public:
    TextMasks() = default;
    TextMasks(const TextMasks&) = delete;
    TextMasks& operator=(const TextMasks&) = delete;

    // GetTextExtentPoint32W of `text` in `font` (nullptr: a DC's own font); an empty text has the
    // font's height. `dc` is the target's: the scratches are made compatible with it, and GDI
    // prints on it itself when no scratch can be had.
    SIZE Measure(HDC dc, HFONT font, const std::string& text);
    // Sets the pixels of `target` (the DIB selected into `dc`) that TextOutW would set with the
    // text's origin at (x, y).
    void Print(HDC dc, HFONT font, const std::string& text, PixelBlock target, std::int32_t x,
               std::int32_t y, COLORREF color);
    // Drops every text and scratch, before the fonts they saw are deleted.
    void Forget();

  private:
    // The pixels GDI set in one row, from left up to (not including) right, relative to the
    // text's origin.
    struct Run {
        std::int32_t y;
        std::int32_t left;
        std::int32_t right;
    };
    struct Text {
        SIZE extent{0, 0};
        bool masked = false;
        std::vector<Run> runs;
        std::uint64_t lastUse = 0;
    };
    // A one-bit top-down DIB whose DC keeps one font selected, so that a new text costs no font
    // selection. The bitmap is declared before the DC, so that the DC goes first and lets go of it.
    struct Scratch {
        UniqueBitmap bitmap;
        UniqueMemoryDc dc;
        std::uint8_t* bits = nullptr;
        std::int32_t width = 0;
        std::int32_t height = 0;
        std::int32_t stride = 0;  // bytes a row
        std::int32_t margin = 0;  // around a text, for ink beyond its cell
    };
    using Key = std::pair<std::uintptr_t, std::string>;  // font, UTF-8 text

    Text& Find(HDC dc, HFONT font, const std::string& text);
    // The font's scratch, at least width x height; nullptr when the system refuses one.
    Scratch* ScratchFor(HDC dc, HFONT font, std::int32_t width, std::int32_t height);
    // Has GDI print the text into the scratch and keeps where it set bits.
    void Mask(HDC dc, HFONT font, Text& entry, const std::string& text);

    // Drops the half of the texts used longest ago.
    void DropOldTexts();

    // Room for every figure of the colour read-outs besides the texts that come and go.
    static constexpr std::size_t MaxTexts = 512;
    std::map<Key, Text> texts_;
    std::uint64_t uses_ = 0;
    std::map<std::uintptr_t, Scratch> scratches_;
    // The text found last: a print or measurement mostly repeats the one before.
    const Key* lastKey_ = nullptr;
    Text* lastText_ = nullptr;
};
