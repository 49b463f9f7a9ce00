// Rendering figures through the real GDI, printed and never judged:
//   render_bench render [W H ZOOM]   the floor, the program's rendering and their ratio
//   render_bench tick                the whole rendered tick with the first-run overlays against
//                                    the floor plus the paint, and where the overlays' time goes
//   render_bench memory [W H ZOOM]   live GDI objects and working set over 10,000 renderings
// Without W H ZOOM the window sizes are 128 x 128, 512 x 512 and 1024 x 768 at 10%, 100%, 400%
// and 1600%. The focus point is the screen's centre.

#include <windows.h>
// psapi.h needs windows.h first.
#include <psapi.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/main_form.h"
#include "app/view_renderer.h"
#include "base/twips.h"
#include "core/option_table.h"
#include "core/refresh_tick.h"
#include "core/view_geometry.h"
#include "core/view_state.h"
#include "readouts/center_cross.h"
#include "readouts/color_readout.h"
#include "readouts/coordinate_readout.h"
#include "readouts/fonts.h"
#include "win32/back_buffer_surface.h"
#include "win32/gdi_picture.h"
#include "win32/gdi_screen_capture.h"
#include "win32/handles.h"
#include "raster/placement.h"
#include "win32/win32_environment.h"
#include "win32/win32_form.h"
#include "win32/win32_input_devices.h"
#include "win32/win32_popup_menu.h"

namespace {

struct ViewCase {
    int width;
    int height;
    float zoom;
};

constexpr int DefaultSizes[][2] = {{128, 128}, {512, 512}, {1024, 768}};
constexpr float DefaultZooms[] = {0.1f, 1.0f, 4.0f, 16.0f};

std::vector<ViewCase> CasesFrom(int argc, char** argv) {
    std::vector<ViewCase> cases;
    if (argc >= 5) {
        cases.push_back(
            {std::atoi(argv[2]), std::atoi(argv[3]), static_cast<float>(std::atof(argv[4]))});
        return cases;
    }
    for (const auto& size : DefaultSizes) {
        for (const float zoom : DefaultZooms) {
            cases.push_back({size[0], size[1], zoom});
        }
    }
    return cases;
}

double Micros(LONGLONG ticks) {
    static const double frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart);
    }();
    return static_cast<double>(ticks) * 1e6 / frequency;
}

LONGLONG Now() {
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return t.QuadPart;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

// Times of each step, round by round, in µs.
struct Timings {
    std::vector<std::vector<double>> rounds;

    double Median(std::size_t step) const { return ::Median(rounds[step]); }
    // Of `combine` over each round's times, whose steps ran side by side.
    template <typename Combine>
    double Paired(std::size_t a, std::size_t b, Combine combine) const {
        std::vector<double> values;
        for (std::size_t i = 0; i < rounds[a].size(); ++i) {
            values.push_back(combine(rounds[a][i], rounds[b][i]));
        }
        return ::Median(values);
    }
    double Ratio(std::size_t step, std::size_t base) const {
        return Paired(step, base, [](double x, double y) { return x / y; });
    }
};

// Times each of `steps` in turn, round after round, so that a slow moment of the shared machine
// hits all of them alike: at least 7 rounds, up to 31 or about a second.
template <typename... Step>
Timings TimeRounds(Step&&... steps) {
    Timings timings;
    timings.rounds.resize(sizeof...(steps));
    const auto timeOne = [](auto& step) {
        const LONGLONG start = Now();
        step();
        return Micros(Now() - start);
    };
    (steps(), ...);  // warm-up
    const LONGLONG start = Now();
    for (int round = 0; round < 31 && (round < 7 || Micros(Now() - start) < 1e6); ++round) {
        std::size_t i = 0;
        ((timings.rounds[i++].push_back(timeOne(steps))), ...);
    }
    return timings;
}

TwipsPerPixel Members() {
    const UniqueWindowDc screen = WindowDc(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen.get(), LOGPIXELSX) : 96;
    const std::int32_t twips = (1440 + (dpi > 0 ? dpi : 96) / 2) / (dpi > 0 ? dpi : 96);
    return TwipsPerPixel{twips, twips};
}

ScreenPoint Centre() {
    return {GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2};
}

// Just enough of a main window for RenderView: the back buffer the program scales into.
class BufferWindow : public FormWindow {
  public:
    BufferWindow(HDC screen, int width, int height, std::int32_t twips) {
        surface_.SetTwipsPerPixel(static_cast<float>(twips), static_cast<float>(twips));
        surface_.Resize(screen, width, height);
    }
    float Left() const override { return 0; }
    float Top() const override { return 0; }
    float Width() const override { return surface_.ScaleWidth(); }
    float Height() const override { return surface_.ScaleHeight(); }
    void SetWidth(float) override {}
    void SetHeight(float) override {}
    void Move(float, float, float, float) override {}
    void MoveOntoWorkArea() override {}
    float ScaleWidth() const override { return surface_.ScaleWidth(); }
    float ScaleHeight() const override { return surface_.ScaleHeight(); }
    float ScreenTwipsPerPixelX() const override { return surface_.PixelWidth(); }
    float ScreenTwipsPerPixelY() const override { return surface_.PixelHeight(); }
    void SetPicture(const Picture& picture, std::int32_t width, std::int32_t height,
                    int stretchMode) override {
        pictures_ += surface_.ShowPicture(picture, width, height, stretchMode) ? 1 : 0;
        pictureWidth_ = width;
        pictureHeight_ = height;
    }
    DrawingSurface& Surface() override { return surface_; }
    void SetMeasuringLine(const LineShape&) override {}
    void SetCaption(const std::string&) override {}
    void Show() override {}
    void StopTimers() override {}
    void PlaceWindow(std::int32_t, std::int32_t, std::int32_t, std::int32_t, bool) override {}
    void DragWindow() override {}
    void ShowMessage(const std::string&, const std::string&, MessageStyle) override {}
    void Unload() override {}

    long Pictures() const { return pictures_; }
    std::string PictureSize() const {
        return std::to_string(pictureWidth_) + "x" + std::to_string(pictureHeight_);
    }

  private:
    BackBufferSurface surface_;
    long pictures_ = 0;
    std::int32_t pictureWidth_ = 0;
    std::int32_t pictureHeight_ = 0;
};

// The least any GDI magnifier does for one rendering, every object kept from one to the next:
// one BitBlt of the on-screen part of the area into a DIB (and the cursor drawn into it when
// asked), then one copy of it into a view-sized DIB with StretchBlt.
class Floor {
  public:
    Floor(HDC screen, const ViewCase& view, TwipsPerPixel members, ScreenPoint focus)
        : screen_(screen), view_(screen, view.width, view.height) {
        SetStretchBltMode(view_.Dc(), COLORONCOLOR);
        const auto area = ComputeViewRectangle(static_cast<float>(view.width * members.x),
                                               static_cast<float>(view.height * members.y), focus.x,
                                               focus.y, view.zoom, members);
        const auto pixels =
            TwipsToPixels(*area, static_cast<float>(members.x), static_cast<float>(members.y));
        const PixelRect screenRect{
            GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
            GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN)};
        part_ = Intersect(*pixels, screenRect);
        if (part_) {
            const PixelRect relative{part_->left - pixels->left, part_->top - pixels->top,
                                     part_->width, part_->height};
            destination_ = ScalePlacement(relative, pixels->width, pixels->height,
                                          ScaledLength(area->zoom * 100, pixels->width),
                                          ScaledLength(area->zoom * 100, pixels->height));
            capture_.Fit(screen, part_->width, part_->height);
        }
        CURSORINFO cursor{};
        cursor.cbSize = sizeof(cursor);
        ICONINFO icon{};
        if (GetCursorInfo(&cursor) && GetIconInfo(cursor.hCursor, &icon)) {
            const UniqueBitmap color(icon.hbmColor);
            const UniqueBitmap mask(icon.hbmMask);
            hotspot_ = POINT{static_cast<LONG>(icon.xHotspot), static_cast<LONG>(icon.yHotspot)};
        }
    }

    void Render(bool withCursor) {
        if (!part_) {
            return;
        }
        BitBlt(capture_.Dc(), 0, 0, part_->width, part_->height, screen_, part_->left, part_->top,
               SRCCOPY);
        if (withCursor) {
            CURSORINFO cursor{};
            cursor.cbSize = sizeof(cursor);
            if (GetCursorInfo(&cursor) && (cursor.flags & CURSOR_SHOWING) != 0) {
                DrawIconEx(capture_.Dc(), cursor.ptScreenPos.x - hotspot_.x - part_->left,
                           cursor.ptScreenPos.y - hotspot_.y - part_->top, cursor.hCursor, 0, 0, 0,
                           nullptr, DI_NORMAL);
            }
        }
        StretchBlt(view_.Dc(), destination_.left, destination_.top, destination_.width,
                   destination_.height, capture_.Dc(), 0, 0, part_->width, part_->height, SRCCOPY);
    }

  private:
    HDC screen_;
    GdiPicture capture_;
    GdiPicture view_;
    std::optional<PixelRect> part_;
    PixelRect destination_;
    POINT hotspot_{};
};

std::string SizeText(const ViewCase& view) {
    return std::to_string(view.width) + "x" + std::to_string(view.height);
}

void PrintScreen(TwipsPerPixel members, ScreenPoint focus) {
    std::printf("screen %dx%d, virtual %dx%d, %d twips per pixel, focus (%d, %d)\n",
                GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN),
                members.x, focus.x, focus.y);
}

int RenderTable(const std::vector<ViewCase>& cases) {
    const TwipsPerPixel members = Members();
    const ScreenPoint focus = Centre();
    const UniqueWindowDc screen = WindowDc(GetDesktopWindow());
    GdiScreenCapture capture;
    PrintScreen(members, focus);
    std::printf("%-10s %6s %-6s %10s %10s %11s %6s\n", "window", "zoom", "cursor", "picture",
                "floor us", "render us", "ratio");
    for (const ViewCase& view : cases) {
        BufferWindow window(screen.get(), view.width, view.height, members.x);
        Floor floor(screen.get(), view, members, focus);
        for (const bool withCursor : {false, true}) {
            const Timings t = TimeRounds([&] { floor.Render(withCursor); },
                                         [&] {
                                             RenderFocusArea(window, capture, focus.x, focus.y,
                                                             view.zoom, members, withCursor);
                                         });
            std::printf("%-10s %5.0f%% %-6s %10s %10.0f %11.0f %6.2f\n", SizeText(view).c_str(),
                        view.zoom * 100, withCursor ? "yes" : "no", window.PictureSize().c_str(),
                        t.Median(0), t.Median(1), t.Ratio(1, 0));
            std::fflush(stdout);
        }
    }
    return 0;
}

// Nothing stored and nothing kept: the bench runs with the first-run settings.
class NoRegistry : public Registry {
  public:
    std::optional<std::string> ReadString(Hive, const std::string&, const std::string&) override {
        return std::nullopt;
    }
    bool WriteString(Hive, const std::string&, const std::string&, const std::string&) override {
        return true;
    }
    bool DeleteValue(Hive, const std::string&, const std::string&) override { return true; }
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

// Forwards to another surface and sums the time of the prints, the measurements and the boxes
// and lines the read-outs ask for; their settings pass untimed.
class TimedSurface : public DrawingSurface {
  public:
    enum Kind { Prints, Measures, Shapes, Kinds };
    explicit TimedSurface(DrawingSurface& inner) : inner_(inner) {}

    mutable double micros[Kinds] = {};
    mutable long calls[Kinds] = {};

    float ScaleWidth() const override { return inner_.ScaleWidth(); }
    float ScaleHeight() const override { return inner_.ScaleHeight(); }
    float PixelWidth() const override { return inner_.PixelWidth(); }
    float PixelHeight() const override { return inner_.PixelHeight(); }
    ColorValue ForeColor() const override { return inner_.ForeColor(); }
    void SetForeColor(ColorValue color) override { inner_.SetForeColor(color); }
    int DrawMode() const override { return inner_.DrawMode(); }
    void SetDrawMode(int mode) override { inner_.SetDrawMode(mode); }
    int DrawWidth() const override { return inner_.DrawWidth(); }
    void SetDrawWidth(int pixels) override { inner_.SetDrawWidth(pixels); }
    void SetFontName(const std::string& face) override { inner_.SetFontName(face); }
    void SetFontSize(float points) override { inner_.SetFontSize(points); }
    void SetFontBold(bool bold) override { inner_.SetFontBold(bold); }
    void SetCurrentX(float twips) override { inner_.SetCurrentX(twips); }
    void SetCurrentY(float twips) override { inner_.SetCurrentY(twips); }
    void Print(const std::string& text) override {
        Timed(Prints, [&] { inner_.Print(text); });
    }
    float TextWidth(const std::string& text) const override {
        return Timed(Measures, [&] { return inner_.TextWidth(text); });
    }
    float TextHeight(const std::string& text) const override {
        return Timed(Measures, [&] { return inner_.TextHeight(text); });
    }
    void DrawLine(float x1, float y1, float x2, float y2, ColorValue color) override {
        Timed(Shapes, [&] { inner_.DrawLine(x1, y1, x2, y2, color); });
    }
    void FillBox(float x1, float y1, float x2, float y2, ColorValue color) override {
        Timed(Shapes, [&] { inner_.FillBox(x1, y1, x2, y2, color); });
    }
    void FrameBox(float x1, float y1, float x2, float y2, ColorValue color) override {
        Timed(Shapes, [&] { inner_.FrameBox(x1, y1, x2, y2, color); });
    }

  private:
    template <typename Call>
    auto Timed(Kind kind, Call call) const -> decltype(call()) {
        const LONGLONG start = Now();
        struct Tally {
            const TimedSurface& self;
            Kind kind;
            LONGLONG start;
            ~Tally() {
                self.micros[kind] += Micros(Now() - start);
                ++self.calls[kind];
            }
        } tally{*this, kind, start};
        return call();
    }

    DrawingSurface& inner_;
};

// Where the overlays' time goes in one window. First inside real ticks: a tick with none of them,
// then with each alone, and the paired differences to the bare tick. Then apart: the screen
// pixel the colour read-out needs, the tick's other queries, each overlay routine through the
// real surface with a new text on every call, the paint of the whole client and of the
// coordinates' strip, each with the flush that puts it on the screen; and, through a timing
// surface, the kinds of calls the two read-outs make.
void PrintOverlayCosts(Win32Form& form, MainForm& app, Win32InputDevices& input,
                       const std::vector<std::int16_t>& overlays, long& step) {
    DrawingSurface& surface = form.Surface();
    const TwipsPerPixel twips = app.CurrentTwips();
    RECT client{};
    GetClientRect(form.Handle(), &client);
    const std::string size = std::to_string(client.right) + "x" + std::to_string(client.bottom);
    const auto tickWith = [&](const std::vector<std::int16_t>& shown) {
        for (const std::int16_t item : overlays) {
            app.Options().SetChecked(item,
                                     std::find(shown.begin(), shown.end(), item) != shown.end());
        }
        app.RefreshTick(app.CurrentZoom(), true);
        UpdateWindow(form.Handle());
        RunMessagesUntilIdle();
    };
    // The pointer moves before each tick, so that every tick prints texts of its own.
    const auto move = [&] {
        const ScreenPoint at = SweepPoint(++step);
        SetCursorPos(at.x, at.y);
        RunMessagesUntilIdle();
        SettleDisplay();
    };
    const Timings ticks = TimeRounds(
        move, [&] { tickWith({}); }, move, [&] { tickWith({Item::ShowLines}); }, move,
        [&] { tickWith({Item::ShowCoordinates}); }, move,
        [&] {
            tickWith({Item::ShowColorsHex, Item::ShowColorsDec});
        },
        move, [&] { tickWith(overlays); });
    for (const std::int16_t item : overlays) {
        app.Options().SetChecked(item, true);
    }
    const auto added = [&](std::size_t with) { return ticks.Paired(with, 1, std::minus<>()); };
    std::printf(
        "%-10s %10.0f %10.0f %10.0f %10.0f %10.0f   (in ticks: bare, then what each adds)\n",
        size.c_str(), ticks.Median(1), added(3), added(5), added(7), added(9));

    ViewState view;
    view.MeasureW = NoMeasure;
    view.MeasureH = NoMeasure;
    std::uint32_t colour = 0;
    const auto nextText = [&] {
        const ScreenPoint at = SweepPoint(++step);
        view.MeasureX = at.x;
        view.MeasureY = at.y;
        colour = (colour + 0x0B0D11) & 0xFFFFFF;
    };
    const auto coordinates = [&] { DrawCoordinatesOn(surface, view, twips.x, "."); };
    const auto colours = [&] {
        DrawColorValuesOn(surface, app.Options(), static_cast<float>(colour), twips);
    };
    const RECT strip{0, 0, client.right, 16};
    const Timings t = TimeRounds(
        nextText, [&] { input.GetScreenPixel(view.MeasureX, view.MeasureY); },
        [&] {
            input.GetCursorPos();
            input.GetMouseButtons();
            input.GetCaretInfo();
        },
        [&] { DrawCenterCrossOn(surface); }, coordinates, colours,
        [&] {
            InvalidateRect(form.Handle(), nullptr, FALSE);
            UpdateWindow(form.Handle());
            RunMessagesUntilIdle();
        },
        SettleDisplay,
        [&] {
            InvalidateRect(form.Handle(), &strip, FALSE);
            UpdateWindow(form.Handle());
            RunMessagesUntilIdle();
        },
        SettleDisplay);
    std::printf(
        "%-10s pixel %.0f, queries %.0f, cross %.0f, coordinates %.0f, colours %.0f, "
        "paint of all %.0f, of the top 16 rows %.0f   (apart)\n",
        size.c_str(), t.Median(1), t.Median(2), t.Median(3), t.Median(4), t.Median(5), t.Median(6),
        t.Median(8));
    // The same two read-outs through a timing surface, per tick.
    TimedSurface timed(surface);
    constexpr int Ticks = 50;
    for (int i = 0; i < Ticks; ++i) {
        nextText();
        DrawCoordinatesOn(timed, view, twips.x, ".");
        DrawColorValuesOn(timed, app.Options(), static_cast<float>(colour), twips);
    }
    std::printf(
        "%-10s coordinates and colours make %ld prints %.0f us, %ld measurements %.0f us, "
        "%ld boxes %.0f us\n",
        size.c_str(), timed.calls[TimedSurface::Prints] / Ticks,
        timed.micros[TimedSurface::Prints] / Ticks, timed.calls[TimedSurface::Measures] / Ticks,
        timed.micros[TimedSurface::Measures] / Ticks, timed.calls[TimedSurface::Shapes] / Ticks,
        timed.micros[TimedSurface::Shapes] / Ticks);
    std::fflush(stdout);
}

// The GDI calls behind one print and one measurement of a coordinate line, in the read-out's
// font on a back buffer: selecting the font and putting the previous one back, the text's
// extent, and one transparent TextOutW with the font already selected.
void PrintGdiTextCosts(HDC compatibleWith, long& step) {
    GdiPicture buffer(compatibleWith, 512, 512);
    const UniqueWindowDc screen = WindowDc(nullptr);
    LOGFONTW spec{};
    spec.lfHeight =
        -std::lround(CoordinateFont.points * GetDeviceCaps(screen.get(), LOGPIXELSY) / 72.0);
    spec.lfWeight = FW_NORMAL;
    spec.lfCharSet = DEFAULT_CHARSET;
    spec.lfQuality = NONANTIALIASED_QUALITY;
    wcscpy(spec.lfFaceName, L"Tahoma");
    const UniqueFont font(CreateFontIndirectW(&spec));
    std::wstring text;
    const auto nextText = [&] {
        const ScreenPoint at = SweepPoint(++step);
        text = L"X " + std::to_wstring(at.x) + L"   Y " + std::to_wstring(at.y);
    };
    GdiPicture other(compatibleWith, 512, 512);
    SelectGuard select(buffer.Dc(), font.get());
    SetBkMode(buffer.Dc(), TRANSPARENT);
    SetTextColor(buffer.Dc(), RGB(239, 239, 239));
    const Timings t = TimeRounds(
        nextText,
        [&] {
            const HGDIOBJ previous = SelectObject(other.Dc(), font.get());
            SelectObject(other.Dc(), previous);
        },
        [&] {
            SIZE size{};
            GetTextExtentPoint32W(buffer.Dc(), text.c_str(), static_cast<int>(text.size()), &size);
        },
        [&] { TextOutW(buffer.Dc(), 5, 3, text.c_str(), static_cast<int>(text.size())); });
    std::printf(
        "GDI, one coordinate line in Tahoma 7 (median us): select and put back the font "
        "%.1f, extent (font selected) %.1f, TextOutW (font selected) %.1f\n",
        t.Median(1), t.Median(2), t.Median(3));
}

// The program's own window and logic, ticked by hand with a forced refresh over a busy picture,
// the pointer at a new place each tick: the rendering and the overlays of the first-run options
// (centre cross, coordinates, RGB hex and decimal), then the paint. The whole tick is set against
// the floor of its rendering plus the paint of the whole client.
int TickTable(const std::vector<ViewCase>& cases) {
    const TwipsPerPixel members = Members();
    const ScreenPoint focus = Centre();
    const UniqueWindowDc screen = WindowDc(GetDesktopWindow());
    const Backdrop backdrop(GetModuleHandleW(nullptr));
    Win32Form form(GetModuleHandleW(nullptr));
    Win32InputDevices input;
    GdiScreenCapture capture;
    NoRegistry registry;
    Win32Environment environment;
    Win32PopupMenu menu(form);
    MainForm app(form, input, capture, registry, environment, menu, ".");
    if (!form.Create(app)) {
        std::printf("no window\n");
        return 1;
    }
    app.Load();
    // The overlays the first run shows.
    std::vector<std::int16_t> overlays;
    for (const std::int16_t item :
         {Item::ShowLines, Item::ShowCoordinates, Item::ShowColorsHex, Item::ShowColorsDec,
          Item::ShowColorsCMY, Item::ShowColorsCMYK}) {
        if (app.Options().IsOptionChecked(item)) {
            overlays.push_back(item);
        }
    }
    const auto showOverlays = [&](bool shown) {
        for (const std::int16_t item : overlays) {
            app.Options().SetChecked(item, shown);
        }
    };
    PrintScreen(members, focus);
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
        // The client area at the screen's top-left corner, the frame off the screen.
        RECT outer{};
        RECT client{};
        GetWindowRect(form.Handle(), &outer);
        GetClientRect(form.Handle(), &client);
        POINT origin{0, 0};
        ClientToScreen(form.Handle(), &origin);
        SetWindowPos(form.Handle(), nullptr, outer.left - origin.x, outer.top - origin.y,
                     size.width + (outer.right - outer.left) - client.right,
                     size.height + (outer.bottom - outer.top) - client.bottom,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        GetClientRect(form.Handle(), &client);  // the system may keep it smaller
        const ViewCase view{client.right, client.bottom, size.zoom};
        app.SelectZoom(static_cast<std::int16_t>(view.zoom * 100 + 0.5f));
        Floor floor(screen.get(), view, members, focus);
        for (const bool withCursor : {false, true}) {
            app.Options().SetChecked(Item::ShowMouseCursor, withCursor);
            const auto move = [&] {
                const ScreenPoint at = SweepPoint(++step);
                SetCursorPos(at.x, at.y);
                RunMessagesUntilIdle();
                SettleDisplay();
            };
            const auto tick = [&] {
                app.RefreshTick(app.CurrentZoom(), true);
                UpdateWindow(form.Handle());
                RunMessagesUntilIdle();
            };
            const auto bareTick = [&] {
                showOverlays(false);
                tick();
                showOverlays(true);
            };
            const auto paint = [&] {
                InvalidateRect(form.Handle(), nullptr, FALSE);
                UpdateWindow(form.Handle());
                RunMessagesUntilIdle();
            };
            const Timings t = TimeRounds([&] { floor.Render(withCursor); }, SettleDisplay, paint,
                                         move, tick, SettleDisplay, bareTick, SettleDisplay);
            // Of each round's ticks against that round's floor plus paint.
            const auto toFloorAndPaint = [&](std::size_t step) {
                std::vector<double> ratios;
                for (std::size_t i = 0; i < t.rounds[0].size(); ++i) {
                    ratios.push_back(t.rounds[step][i] / (t.rounds[0][i] + t.rounds[2][i]));
                }
                return ::Median(ratios);
            };
            const double ratio = toFloorAndPaint(4);
            std::printf("%-10s %5.0f%% %-6s %9.0f %9.0f %9.0f %19.2f %12.0f %12.2f\n",
                        SizeText(view).c_str(), view.zoom * 100, withCursor ? "yes" : "no",
                        t.Median(0), t.Median(2), t.Median(4), ratio,
                        t.Paired(4, 6, std::minus<>()), toFloorAndPaint(6));
            std::fflush(stdout);
            const bool targetRow = view.width <= 512 && view.zoom >= 1.0f;
            if (targetRow && ratio > worst) {
                worst = ratio;
                worstRow = SizeText(view) + " at " +
                           std::to_string(static_cast<int>(view.zoom * 100)) + "%" +
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
    for (const ViewCase& view : costRows) {
        RECT outer{};
        RECT client{};
        GetWindowRect(form.Handle(), &outer);
        GetClientRect(form.Handle(), &client);
        SetWindowPos(form.Handle(), nullptr, 0, 0,
                     view.width + (outer.right - outer.left) - client.right,
                     view.height + (outer.bottom - outer.top) - client.bottom,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        PrintOverlayCosts(form, app, input, overlays, step);
    }
    PrintGdiTextCosts(screen.get(), step);
    return 0;
}

struct Memory {
    SIZE_T workingSet = 0;
    SIZE_T peakWorkingSet = 0;
};

Memory ProcessMemory() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof(counters);
    Memory memory;
    if (GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters))) {
        memory.workingSet = counters.WorkingSetSize;
        memory.peakWorkingSet = counters.PeakWorkingSetSize;
    }
    return memory;
}

void PrintState(int renderings) {
    const Memory memory = ProcessMemory();
    std::printf("%10d %10ld %14zu %14zu\n", renderings, LiveGdiHandles(), memory.workingSet / 1024,
                memory.peakWorkingSet / 1024);
    std::fflush(stdout);
}

// 10,000 renderings in runs of 50, the focus sweeping past the screen's edges in the small
// views: one run of the large view in every 16, one of a 128 x 128 view at 10%, and 512 x 512
// views at 100% with the cursor, 400% and 1600% in the others. Every change of run changes the
// capture's size, so its DIB is made anew.
int MemoryRun(const ViewCase& large) {
    const TwipsPerPixel members = Members();
    const ScreenPoint centre = Centre();
    const UniqueWindowDc screen = WindowDc(GetDesktopWindow());
    GdiScreenCapture capture;
    PrintScreen(members, centre);
    std::printf(
        "runs of 50: %s at %.0f%% in 1 of 16, 128x128 at 10%%, 512x512 at 100%%, 400%% "
        "and 1600%%\n",
        SizeText(large).c_str(), large.zoom * 100);
    std::printf("%10s %10s %14s %14s\n", "renderings", "live GDI", "working KiB", "peak KiB");
    BufferWindow largeWindow(screen.get(), large.width, large.height, members.x);
    BufferWindow tinyWindow(screen.get(), 128, 128, members.x);
    BufferWindow smallWindow(screen.get(), 512, 512, members.x);
    PrintState(0);
    constexpr int Renderings = 10000;
    const LONGLONG start = Now();
    for (int i = 1; i <= Renderings; ++i) {
        const int run = (i / 50) % 16;
        const std::int32_t x = (i * 37) % (2 * centre.x + 400) - 200;
        if (run == 0) {
            RenderFocusArea(largeWindow, capture, centre.x, centre.y, large.zoom, members, false);
        } else if (run == 8) {
            RenderFocusArea(tinyWindow, capture, x, centre.y, 0.1f, members, false);
        } else {
            const float zoom = run % 3 == 0 ? 1.0f : (run % 3 == 1 ? 4.0f : 16.0f);
            RenderFocusArea(smallWindow, capture, x, centre.y, zoom, members, zoom == 1.0f);
        }
        if (i == 100 || i % 2400 == 0 || i == Renderings) {  // 2400: the large run again
            PrintState(i);
        }
    }
    std::printf("%ld pictures shown, %.0f s\n",
                largeWindow.Pictures() + tinyWindow.Pictures() + smallWindow.Pictures(),
                Micros(Now() - start) / 1e6);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "render";
    const std::vector<ViewCase> cases = CasesFrom(argc, argv);
    if (mode == "render") {
        return RenderTable(cases);
    }
    if (mode == "tick") {
        return TickTable(cases);
    }
    if (mode == "memory") {
        return MemoryRun(argc >= 5 ? cases.front() : ViewCase{1024, 768, 0.5f});
    }
    std::fprintf(stderr, "usage: render_bench render|tick|memory [WIDTH HEIGHT ZOOM]\n");
    return 2;
}
