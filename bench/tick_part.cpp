#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "app/main_form.h"
#include "base/twips.h"
#include "core/option_table.h"
#include "core/view_state.h"
#include "parts.h"
#include "readouts/center_cross.h"
#include "readouts/color_readout.h"
#include "readouts/coordinate_readout.h"
#include "readouts/fonts.h"
#include "timing.h"
#include "win32/gdi_picture.h"
#include "win32/gdi_screen_capture.h"
#include "win32/handles.h"
#include "win32/text_cache.h"
#include "win32/win32_environment.h"
#include "win32/win32_form.h"
#include "win32/win32_input_devices.h"
#include "win32/win32_popup_menu.h"

namespace {

// Nothing stored and nothing kept: the bench runs with the first-run settings.
class NoSettings : public SettingsStore {
  public:
    std::optional<std::string> Read(const std::string&) override { return std::nullopt; }
    void Write(const std::string&, const std::string&) override {}
    void Commit() override {}
};

class NoAutostart : public AutostartEntry {
  public:
    void Register() override {}
    void Unregister() override {}
    bool NamesAnExistingFile() override { return false; }
    bool NamesThisProgram() override { return false; }
};

// A busy picture over the whole screen behind the magnifier, every pixel its own colour, so that
// the colour under the pointer, and with it the colour read-out's text, changes at every move.
class Backdrop {
  public:
    explicit Backdrop(HINSTANCE instance) {
        const int width = GetSystemMetrics(SM_CXSCREEN);
        const int height = GetSystemMetrics(SM_CYSCREEN);
        const UniqueWindowDc screen = WindowDc(nullptr);
        picture_ = std::make_unique<GdiPicture>(screen.get(), width, height);
        if (!*picture_) {
            return;
        }
        std::uint32_t state = 12345;
        const PixelBlock pixels = picture_->Pixels();
        for (std::int32_t i = 0; i < pixels.width * pixels.height; ++i) {
            state = state * 1664525u + 1013904223u;
            pixels.pixels[i] = state >> 8;
        }
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = Paint;
        windowClass.hInstance = instance;
        windowClass.lpszClassName = L"ZedezBenchBackdrop";
        RegisterClassExW(&windowClass);
        window_.reset(CreateWindowExW(WS_EX_NOACTIVATE, L"ZedezBenchBackdrop", L"", WS_POPUP, 0, 0,
                                      width, height, nullptr, nullptr, instance, nullptr));
        SetWindowLongPtrW(window_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(picture_.get()));
        ShowWindow(window_.get(), SW_SHOWNOACTIVATE);
        UpdateWindow(window_.get());
    }

  private:
    static LRESULT CALLBACK Paint(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        const auto* picture =
            reinterpret_cast<const GdiPicture*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (message != WM_PAINT || picture == nullptr) {
            return DefWindowProcW(window, message, wParam, lParam);
        }
        const PaintGuard paint(window);
        BitBlt(paint.Dc(), 0, 0, picture->Width(), picture->Height(), picture->Dc(), 0, 0, SRCCOPY);
        return 0;
    }

    std::unique_ptr<GdiPicture> picture_;
    UniqueWindow window_;
};

// What the message loop does once a tick's messages are handled: it takes what is queued and,
// with nothing left, the system puts what was painted on the screen (Wine flushes its window
// surfaces to X there). Every timed step that paints ends with it, so that it pays its own.
void RunMessagesUntilIdle() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        DispatchMessageW(&message);
    }
}

// Waits until the display has done what it was sent: a screen pixel read answers only then (under
// Wine an X round trip, after the X server has taken in every picture put before it). Between
// timed steps, so that none pays for the uploads of the one before.
void SettleDisplay() {
    static const UniqueWindowDc screen = WindowDc(nullptr);
    GetPixel(screen.get(), 0, 0);
}

// Pointer positions right of the 512 x 512 views, each one new to the run, so that the
// coordinates never print a text twice.
ScreenPoint SweepPoint(long step) {
    return {GetSystemMetrics(SM_CXSCREEN) / 2 + 90 + static_cast<std::int32_t>(step % 400),
            100 + static_cast<std::int32_t>((step / 400) % 600)};
}

// Gives the window a client area of `client` pixels with its top-left at the screen's, the frame
// off the screen, through the program's own Move; answers the client size it got (the system
// may keep it smaller).
PixelSize PlaceClientAtScreenOrigin(Win32Form& form, PixelSize client) {
    RECT outer{};
    RECT inner{};
    GetWindowRect(form.Window(), &outer);
    GetClientRect(form.Window(), &inner);
    POINT origin{0, 0};
    ClientToScreen(form.Window(), &origin);
    form.Move({outer.left - origin.x, outer.top - origin.y,
               client.width + (outer.right - outer.left) - inner.right,
               client.height + (outer.bottom - outer.top) - inner.bottom});
    RunMessagesUntilIdle();
    return form.ClientSize();
}

// Forwards to another surface and sums the time of the prints, the measurements and the filled
// boxes and inverted crosses the read-outs ask for.
class TimedSurface : public DrawingSurface {
  public:
    struct Tally {
        double micros = 0;
        long calls = 0;
    };

    explicit TimedSurface(DrawingSurface& inner) : inner_(inner) {}

    PixelSize Size() const override { return inner_.Size(); }
    int Dpi() const override { return inner_.Dpi(); }
    PixelSize MeasureText(const std::string& text, const FontSpec& font) override {
        return Timed(measurements, [&] { return inner_.MeasureText(text, font); });
    }
    void PrintText(std::int32_t x, std::int32_t y, const std::string& text, const FontSpec& font,
                   Color color) override {
        Timed(prints, [&] { inner_.PrintText(x, y, text, font, color); });
    }
    void FillBox(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
                 Color color) override {
        Timed(shapes, [&] { inner_.FillBox(left, top, right, bottom, color); });
    }
    void InvertCross(std::int32_t x, std::int32_t y, std::int32_t lineWidth) override {
        Timed(shapes, [&] { inner_.InvertCross(x, y, lineWidth); });
    }

    Tally prints;
    Tally measurements;
    Tally shapes;

  private:
    template <typename Call>
    static auto Timed(Tally& tally, Call call) -> decltype(call()) {
        struct Count {
            Tally& tally;
            LONGLONG start;
            ~Count() {
                tally.micros += Micros(Now() - start);
                ++tally.calls;
            }
        } count{tally, Now()};
        return call();
    }

    DrawingSurface& inner_;
};

// The program's own window and logic, ticked by hand.
struct Program {
    Win32Form& form;
    MainForm& app;
    Win32InputDevices& input;
    // The overlays the first run shows.
    std::vector<int> overlays;

    void ShowOnly(const std::vector<int>& shown) {
        for (const int item : overlays) {
            app.Options().SetChecked(item,
                                     std::find(shown.begin(), shown.end(), item) != shown.end());
        }
    }
    // A forced refresh, as auto refresh makes one, and the paint it sets off.
    void Tick() {
        app.RefreshTick(true);
        UpdateWindow(form.Window());
        RunMessagesUntilIdle();
    }
    void Paint(const RECT* part) {
        InvalidateRect(form.Window(), part, FALSE);
        UpdateWindow(form.Window());
        RunMessagesUntilIdle();
    }
};

// The pointer at a new place before a tick, so that every tick prints texts of its own.
void MovePointer(long& step) {
    const ScreenPoint at = SweepPoint(++step);
    SetCursorPos(at.x, at.y);
    RunMessagesUntilIdle();
    SettleDisplay();
}

// Where the overlays' time goes in one window. First inside real ticks: a tick with none of them,
// then with each alone, and the paired differences to the bare tick. Then apart: the screen
// pixel the colour read-out would read without the capture, the tick's other queries, each overlay
// routine through the real surface with a new text on every call, the paint of the whole client
// and of the coordinates' strip, each with the flush that puts it on the screen; and, through a
// timing surface, the kinds of calls the two read-outs make.
void PrintOverlayCosts(Program& program, long& step) {
    DrawingSurface& surface = program.form.Surface();
    const PixelSize client = program.form.ClientSize();
    const std::string size = SizeText(client.width, client.height);
    const auto move = [&] { MovePointer(step); };
    const auto tickWith = [&](std::vector<int> shown) {
        return [&program, shown] {
            program.ShowOnly(shown);
            program.Tick();
        };
    };
    const Timings ticks = TimeRounds({
        Between(move),
        {"bare tick", tickWith({})},
        Between(move),
        {"with the cross", tickWith({Item::ShowLines})},
        Between(move),
        {"with the coordinates", tickWith({Item::ShowCoordinates})},
        Between(move),
        {"with the colours", tickWith({Item::ShowColorsHex, Item::ShowColorsDec})},
        Between(move),
        {"with all", tickWith(program.overlays)},
    });
    program.ShowOnly(program.overlays);
    const auto added = [&](const char* with) { return ticks.Difference(with, "bare tick"); };
    std::printf(
        "%-10s %10.0f %10.0f %10.0f %10.0f %10.0f   (in ticks: bare, then what each adds)\n",
        size.c_str(), ticks.Median("bare tick"), added("with the cross"),
        added("with the coordinates"), added("with the colours"), added("with all"));

    ViewState view;
    view.distanceX = NoMeasure;
    view.distanceY = NoMeasure;
    const auto nextText = [&] {
        view.focus = view.measured = SweepPoint(++step);
        view.pointerColor = ColorOfPixel(PixelOf(*view.pointerColor) + 0x110D0B);
    };
    // Not bold: in a tick the coordinates print first, and from then on the figures are not.
    const auto coordinates = [&](DrawingSurface& on) { DrawCoordinatesOn(on, view, "."); };
    const auto colours = [&](DrawingSurface& on) {
        DrawColorValuesOn(on, program.app.Options(), view.pointerColor, false);
    };
    const RECT strip{0, 0, client.width, 16};
    const Timings t = TimeRounds({
        Between(nextText),
        {"pixel", [&] { program.input.ScreenPixel(view.measured.x, view.measured.y); }},
        {"queries",
         [&] {
             program.input.PointerPosition();
             program.input.MouseButtons();
             program.input.Caret();
         }},
        {"cross", [&] { DrawCenterCrossOn(surface); }},
        {"coordinates", [&] { coordinates(surface); }},
        {"colours", [&] { colours(surface); }},
        {"paint", [&] { program.Paint(nullptr); }},
        Between(SettleDisplay),
        {"paint of the top rows", [&] { program.Paint(&strip); }},
        Between(SettleDisplay),
    });
    std::printf(
        "%-10s pixel %.0f, queries %.0f, cross %.0f, coordinates %.0f, colours %.0f, "
        "paint of all %.0f, of the top 16 rows %.0f   (apart)\n",
        size.c_str(), t.Median("pixel"), t.Median("queries"), t.Median("cross"),
        t.Median("coordinates"), t.Median("colours"), t.Median("paint"),
        t.Median("paint of the top rows"));
    // The same two read-outs through a timing surface, per tick.
    TimedSurface timed(surface);
    constexpr int Ticks = 50;
    for (int i = 0; i < Ticks; ++i) {
        nextText();
        coordinates(timed);
        colours(timed);
    }
    std::printf(
        "%-10s coordinates and colours make %ld prints %.0f us, %ld measurements %.0f us, "
        "%ld boxes %.0f us\n",
        size.c_str(), timed.prints.calls / Ticks, timed.prints.micros / Ticks,
        timed.measurements.calls / Ticks, timed.measurements.micros / Ticks,
        timed.shapes.calls / Ticks, timed.shapes.micros / Ticks);
    std::fflush(stdout);
}

// One coordinate line in the read-out's font on a back buffer, a new text each round: through
// the program's text cache (the extent of a new text, its first print, which has GDI print it
// once, and a print of it again, as the outline and the next tick repeat it), and through GDI
// itself for comparison (selecting the font and putting the previous one back, the extent and a
// transparent TextOutW with the font already selected).
void PrintTextCosts(HDC compatibleWith, int dpi, long& step) {
    GdiPicture buffer(compatibleWith, 512, 512);
    GdiPicture other(compatibleWith, 512, 512);
    FontTexts cache(buffer.Dc(), FontKey{std::string(CoordinateFont.face), CoordinateFont.points,
                                         CoordinateFont.bold, dpi});
    LOGFONTW description{};
    description.lfHeight = -std::lround(CoordinateFont.points * static_cast<float>(dpi) / 72);
    description.lfWeight = FW_NORMAL;
    description.lfCharSet = DEFAULT_CHARSET;
    description.lfQuality = NONANTIALIASED_QUALITY;
    const std::wstring face(CoordinateFont.face.begin(), CoordinateFont.face.end());
    face.copy(description.lfFaceName, LF_FACESIZE - 1);
    const UniqueFont font(CreateFontIndirectW(&description));
    std::string text;
    std::wstring wide;
    const auto nextText = [&] {
        const ScreenPoint at = SweepPoint(++step);
        text = "X " + std::to_string(at.x) + "   Y " + std::to_string(at.y);
        wide.assign(text.begin(), text.end());  // ASCII
    };
    SelectGuard select(buffer.Dc(), font.get());
    SetBkMode(buffer.Dc(), TRANSPARENT);
    SetTextColor(buffer.Dc(), RGB(239, 239, 239));
    const auto print = [&] {
        cache.Print(buffer.Dc(), text, buffer.Pixels(), 5, 3, Rgb(239, 239, 239));
    };
    const Timings t = TimeRounds({
        Between(nextText),
        {"cache: measure a new text", [&] { cache.Measure(buffer.Dc(), text); }},
        {"cache: first print", print},
        {"cache: print again", print},
        {"GDI: select and put back the font",
         [&] {
             const HGDIOBJ previous = SelectObject(other.Dc(), font.get());
             SelectObject(other.Dc(), previous);
         }},
        {"GDI: extent",
         [&] {
             SIZE size{};
             GetTextExtentPoint32W(buffer.Dc(), wide.c_str(), static_cast<int>(wide.size()), &size);
         }},
        {"GDI: TextOutW",
         [&] { TextOutW(buffer.Dc(), 5, 3, wide.c_str(), static_cast<int>(wide.size())); }},
    });
    std::printf(
        "one coordinate line in Tahoma 7 (median us): text cache: extent of a new text %.1f, "
        "its first print %.1f, a print again %.1f; GDI: select and put back the font %.1f, "
        "extent (font selected) %.1f, TextOutW (font selected) %.1f\n",
        t.Median("cache: measure a new text"), t.Median("cache: first print"),
        t.Median("cache: print again"), t.Median("GDI: select and put back the font"),
        t.Median("GDI: extent"), t.Median("GDI: TextOutW"));
}

}  // namespace

// The program's own window and logic, ticked by hand with a forced refresh over a busy picture,
// the pointer at a new place each tick: the rendering and the overlays of the first-run options
// (centre cross, coordinates, RGB hex and decimal), then the paint. The whole tick is set against
// the floor of its rendering plus the paint of the whole client.
int TickPart(const std::vector<ViewCase>& cases) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    const UniqueWindowDc screen = WindowDc(GetDesktopWindow());
    const Backdrop backdrop(instance);
    Win32Form form(instance);
    if (!form.Create()) {
        std::printf("no window\n");
        return 1;
    }
    Win32InputDevices input;
    GdiScreenCapture capture;
    NoSettings settings;
    NoAutostart autostart;
    Win32Environment environment;
    Win32PopupMenu menu(form.Window());
    MainForm app({form, input, capture, settings, autostart, environment, menu}, {});
    form.Connect(app);
    if (!app.Start()) {
        std::printf("the program refused to run\n");
        return 1;
    }
    Program program{form, app, input, {}};
    for (const OptionRow& row : OptionRows) {
        if (row.overlay != Overlay::None && app.Options().IsOptionChecked(row.index)) {
            program.overlays.push_back(row.index);
        }
    }
    // The program's own factor: the one its window's scale gives.
    const int dpi = form.Dpi();
    const std::int32_t twips = TwipsPerPixelForDpi(dpi);
    const ScreenPoint focus = ScreenCentre();
    PrintScreen(dpi, twips, focus);
    std::printf(
        "overlays: centre cross, coordinates, RGB hex and decimal; the pointer over a busy "
        "picture, at a new place every tick\n");
    std::printf("%-10s %6s %-6s %9s %9s %9s %19s %12s %12s\n", "window", "zoom", "cursor",
                "floor us", "paint us", "tick us", "tick/(floor+paint)", "overlays us",
                "bare/(f+p)");
    long step = 0;
    double worst = 0;
    std::string worstRow;
    std::vector<ViewCase> costRows;
    for (const ViewCase& size : cases) {
        const PixelSize client = PlaceClientAtScreenOrigin(form, {size.width, size.height});
        const ViewCase view{client.width, client.height, size.zoom};
        app.SelectZoom(static_cast<std::int16_t>(std::lround(view.zoom * 100)));
        Floor floor(screen.get(), view, twips, focus);
        for (const bool withCursor : {false, true}) {
            app.Options().SetChecked(Item::ShowMouseCursor, withCursor);
            const Timings t = TimeRounds({
                {"floor", [&] { floor.Render(withCursor); }},
                Between(SettleDisplay),
                {"paint", [&] { program.Paint(nullptr); }},
                Between([&] { MovePointer(step); }),
                {"tick", [&] { program.Tick(); }},
                Between(SettleDisplay),
                {"bare tick",
                 [&] {
                     program.ShowOnly({});
                     program.Tick();
                     program.ShowOnly(program.overlays);
                 }},
                Between(SettleDisplay),
            });
            // Each round's tick against that round's floor plus paint.
            const auto toFloorAndPaint = [&](const char* tick) {
                return t.MedianOf(
                    [&](const Timings::Round& r) { return r[tick] / (r["floor"] + r["paint"]); });
            };
            const double ratio = toFloorAndPaint("tick");
            std::printf("%-10s %5.0f%% %-6s %9.0f %9.0f %9.0f %19.2f %12.0f %12.2f\n",
                        SizeText(view.width, view.height).c_str(), view.zoom * 100,
                        withCursor ? "yes" : "no", t.Median("floor"), t.Median("paint"),
                        t.Median("tick"), ratio, t.Difference("tick", "bare tick"),
                        toFloorAndPaint("bare tick"));
            std::fflush(stdout);
            const bool targetRow = view.width <= 512 && view.zoom >= 1.0f;
            if (targetRow && ratio > worst) {
                worst = ratio;
                worstRow = SizeText(view.width, view.height) + " at " +
                           std::to_string(std::lround(view.zoom * 100)) + "%" +
                           (withCursor ? " with the cursor" : "");
            }
        }
        if (size.zoom == 4.0f) {
            costRows.push_back(view);
        }
    }
    std::printf("highest tick/(floor+paint) of 128x128 and 512x512 at 100%% to 1600%%: %.2f (%s)\n",
                worst, worstRow.c_str());
    std::printf("\n== Where the overlays' time goes, at 400%% with the cursor (median us) ==\n");
    std::printf("%-10s %10s %10s %10s %10s %10s\n", "window", "bare tick", "+cross", "+coords",
                "+colours", "+all");
    app.Options().SetChecked(Item::ShowMouseCursor, true);
    app.SelectZoom(400);
    for (const ViewCase& view : costRows) {
        PlaceClientAtScreenOrigin(form, {view.width, view.height});
        PrintOverlayCosts(program, step);
    }
    PrintTextCosts(screen.get(), dpi, step);
    return 0;
}
