#pragma once

#include <array>
#include <string_view>

// Indexes of the popup menu's items. The index of a zoom item is its percentage.
namespace Item {
inline constexpr int OptionsSeparator = 7000;
inline constexpr int AutoRefresh = 7010;
inline constexpr int FollowMouse = 7020;
inline constexpr int FollowText = 7030;
inline constexpr int ShowMouseCursor = 7035;
inline constexpr int ShowLines = 7040;
inline constexpr int ShowCoordinates = 7050;
inline constexpr int ShowColorsHex = 7060;
inline constexpr int ShowColorsDec = 7065;
inline constexpr int ShowColorsCMY = 7070;
inline constexpr int ShowColorsCMYK = 7075;
inline constexpr int WindowSeparator = 8000;
inline constexpr int OnTop = 8010;
inline constexpr int Autorun = 8020;
inline constexpr int CommandsSeparator = 9000;
inline constexpr int About = 9990;
inline constexpr int Close = 9999;
inline constexpr int FirstZoom = 1;
inline constexpr int LastZoom = 1999;
}  // namespace Item

// Stored is a value kept between runs that no menu item shows: the window's rectangle.
enum class ItemKind { Zoom, Separator, Option, Command, Stored };

// What a stored value holds. The order of the enumerators is the order in which they are written
// (the window's top before its left); flags follow the zoom in menu order.
enum class StoredAs { Nothing, WindowTop, WindowLeft, WindowWidth, WindowHeight, Zoom, Flag };

// What a checked option draws over the view picture: picking it shows the change at once.
enum class Overlay { None, CenterLines, Coordinates, ColorFigures };

// Everything the program knows about one menu item or one stored value.
struct OptionRow {
    int index = 0;  // the menu item's; 0 for a stored value that no item shows
    ItemKind kind = ItemKind::Option;
    std::string_view english{};  // "&" before the access key; "-" for a separator
    // Empty: as in English, but "Zoom" reads "Vergrößerung" in a zoom item's caption.
    std::string_view german{};
    bool checkedAtCreation = false;
    std::string_view storedName{};  // empty when nothing of it is stored
    StoredAs storedAs = StoredAs::Nothing;
    std::string_view firstRun{};  // what a missing stored value reads as
    Overlay overlay = Overlay::None;
    int excludes = 0;  // the item that picking this one unchecks first
};

// The menu's items in menu order, after the stored values that no item shows. Start-up reads the
// window's values in the order they stand here (left before top), then the flags in menu order,
// and the zoom last. Stored names are what every installation has stored: they never change.
inline constexpr auto OptionRows = std::to_array<OptionRow>({
    {.kind = ItemKind::Stored,
     .storedName = "Window.Left",
     .storedAs = StoredAs::WindowLeft,
     .firstRun = "32"},
    {.kind = ItemKind::Stored,
     .storedName = "Window.Top",
     .storedAs = StoredAs::WindowTop,
     .firstRun = "32"},
    {.kind = ItemKind::Stored,
     .storedName = "Window.Width",
     .storedAs = StoredAs::WindowWidth,
     .firstRun = "128"},
    {.kind = ItemKind::Stored,
     .storedName = "Window.Height",
     .storedAs = StoredAs::WindowHeight,
     .firstRun = "128"},
    // The checked zoom item's index.
    {.kind = ItemKind::Stored,
     .storedName = "Set.Zoom",
     .storedAs = StoredAs::Zoom,
     .firstRun = "200"},
    {.index = 10, .kind = ItemKind::Zoom, .english = "Zoom 10%"},
    {.index = 25, .kind = ItemKind::Zoom, .english = "Zoom 25%"},
    {.index = 50, .kind = ItemKind::Zoom, .english = "Zoom 50%"},
    {.index = 75, .kind = ItemKind::Zoom, .english = "Zoom 75%"},
    {.index = 90, .kind = ItemKind::Zoom, .english = "Zoom 90%"},
    {.index = 100, .kind = ItemKind::Zoom, .english = "Zoom 100%", .checkedAtCreation = true},
    {.index = 200, .kind = ItemKind::Zoom, .english = "&Zoom 200%"},
    {.index = 400, .kind = ItemKind::Zoom, .english = "Zoom 400%"},
    {.index = 800, .kind = ItemKind::Zoom, .english = "Zoom 800%"},
    {.index = 1600, .kind = ItemKind::Zoom, .english = "Zoom 1600%"},
    {.index = Item::OptionsSeparator, .kind = ItemKind::Separator, .english = "-"},
    // "%" stands for the auto refresh interval in milliseconds.
    {.index = Item::AutoRefresh,
     .english = "Auto &refresh @ %ms",
     .german = "Ak&tualisiere alle %ms",
     .checkedAtCreation = true,
     .storedName = "Set.AutoRefresh",
     .storedAs = StoredAs::Flag,
     .firstRun = "1"},
    {.index = Item::FollowMouse,
     .english = "Follow &Mouse cursor",
     .german = "Dem &Maus-Cursor folgen",
     .checkedAtCreation = true,
     .storedName = "Set.FollowMouse",
     .storedAs = StoredAs::Flag,
     .firstRun = "1"},
    {.index = Item::FollowText,
     .english = "Follow &Text cursor",
     .german = "Dem &Text-Cursor folgen",
     .checkedAtCreation = true,
     .storedName = "Set.FollowText",
     .storedAs = StoredAs::Flag,
     .firstRun = "1"},
    {.index = Item::ShowMouseCursor,
     .english = "&Show Mouse cursor",
     .german = "Maus-&Cursor anzeigen",
     .checkedAtCreation = true,
     .storedName = "Set.ShowCursor",
     .storedAs = StoredAs::Flag,
     .firstRun = "1"},
    {.index = Item::ShowLines,
     .english = "Show center &lines",
     .german = "&Mittellinien anzeigen",
     .checkedAtCreation = true,
     .storedName = "Set.ShowLines",
     .storedAs = StoredAs::Flag,
     .firstRun = "1",
     .overlay = Overlay::CenterLines},
    {.index = Item::ShowCoordinates,
     .english = "Show &coordinates",
     .german = "K&oordinaten anzeigen",
     .storedName = "Set.ShowCoordinates",
     .storedAs = StoredAs::Flag,
     .firstRun = "1",
     .overlay = Overlay::Coordinates},
    // The colour figures, in the order the read-out draws them.
    {.index = Item::ShowColorsHex,
     .english = "Show RGB color values (&hex)",
     .german = "RGB Farbwerte anzeigen (&Hex)",
     .storedName = "Set.ShowColorsHex",
     .storedAs = StoredAs::Flag,
     .firstRun = "1",
     .overlay = Overlay::ColorFigures},
    {.index = Item::ShowColorsDec,
     .english = "Show RGB color values (&dec)",
     .german = "RGB Farbwerte anzeigen (&Dez)",
     .storedName = "Set.ShowColorsDec",
     .storedAs = StoredAs::Flag,
     .firstRun = "1",
     .overlay = Overlay::ColorFigures},
    // Only one of CMY and CMYK is ever shown.
    {.index = Item::ShowColorsCMY,
     .english = "Show CM&Y color values",
     .german = "C&YM Farbwerte anzeigen",
     .storedName = "Set.ShowColorsCMY",
     .storedAs = StoredAs::Flag,
     .firstRun = "0",
     .overlay = Overlay::ColorFigures,
     .excludes = Item::ShowColorsCMYK},
    {.index = Item::ShowColorsCMYK,
     .english = "Show CMY&K color values",
     .german = "CYM&K Farbwerte anzeigen",
     .storedName = "Set.ShowColorsCMYK",
     .storedAs = StoredAs::Flag,
     .firstRun = "0",
     .overlay = Overlay::ColorFigures,
     .excludes = Item::ShowColorsCMY},
    {.index = Item::WindowSeparator, .kind = ItemKind::Separator, .english = "-"},
    {.index = Item::OnTop,
     .english = "&Window in foreground",
     .german = "Fenster im &Vordergrund",
     .checkedAtCreation = true,
     .storedName = "Window.OnTop",
     .storedAs = StoredAs::Flag,
     .firstRun = "1"},
    // Not stored: the autostart entry itself is the record.
    {.index = Item::Autorun, .english = "&Autorun at startup", .german = "&Autostart mit Windows"},
    {.index = Item::CommandsSeparator, .kind = ItemKind::Separator, .english = "-"},
    {.index = Item::About,
     .kind = ItemKind::Command,
     .english = "A&bout ...",
     .german = "&\xC3\x9C"
               "ber ..."},
    {.index = Item::Close, .kind = ItemKind::Command, .english = "&Close", .german = "Be&enden"},
});

// The row of a menu item; nullptr for an index that addresses none.
constexpr const OptionRow* RowOfItem(int index) {
    for (const OptionRow& row : OptionRows) {
        if (row.index == index && row.kind != ItemKind::Stored) {
            return &row;
        }
    }
    return nullptr;
}
