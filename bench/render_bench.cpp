// Rendering figures through the real GDI, printed and never judged:
//   render_bench render [W H ZOOM]   the floor, the program's rendering and their ratio
//   render_bench tick                the whole rendered tick: rendering, overlays and paint
//   render_bench memory [W H ZOOM]   live GDI objects and working set over 10,000 renderings
// Without W H ZOOM the window sizes are 128 x 128, 512 x 512 and 1024 x 768 at 10%, 100%, 400%
// and 1600%. The focus point is the screen's centre.

#include <windows.h>
// psapi.h needs windows.h first.
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/main_form.h"
#include "app/view_renderer.h"
#include "base/twips.h"
#include "core/option_table.h"
#include "core/refresh_tick.h"
#include "core/view_geometry.h"
#include "win32/back_buffer_surface.h"
#include "win32/gdi_picture.h"
#include "win32/gdi_screen_capture.h"
#include "win32/handles.h"
#include "win32/placement.h"
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

// The program's own window and logic, ticked by hand with a forced refresh: the rendering, the
// centre cross, the coordinate read-out and every colour read-out, then the paint.
int TickTable(const std::vector<ViewCase>& cases) {
    const TwipsPerPixel members = Members();
    const ScreenPoint focus = Centre();
    const UniqueWindowDc screen = WindowDc(GetDesktopWindow());
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
    constexpr std::int16_t Overlays[] = {Item::ShowLines,     Item::ShowCoordinates,
                                         Item::ShowColorsHex, Item::ShowColorsDec,
                                         Item::ShowColorsCMY, Item::ShowColorsCMYK};
    const auto showOverlays = [&](bool shown) {
        for (const std::int16_t item : Overlays) {
            app.Options().SetChecked(item, shown);
        }
    };
    SetCursorPos(focus.x, focus.y);
    PrintScreen(members, focus);
    std::printf("%-10s %6s %-6s %10s %10s %6s %12s %10s\n", "window", "zoom", "cursor", "floor us",
                "tick us", "ratio", "overlays us", "paint us");
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
            const auto tick = [&] {
                app.RefreshTick(app.CurrentZoom(), true);
                UpdateWindow(form.Handle());
            };
            const auto bareTick = [&] {
                showOverlays(false);
                tick();
                showOverlays(true);
            };
            const auto paint = [&] {
                InvalidateRect(form.Handle(), nullptr, FALSE);
                UpdateWindow(form.Handle());
            };
            const Timings t = TimeRounds([&] { floor.Render(withCursor); }, tick, bareTick, paint);
            std::printf("%-10s %5.0f%% %-6s %10.0f %10.0f %6.2f %12.0f %10.0f\n",
                        SizeText(view).c_str(), view.zoom * 100, withCursor ? "yes" : "no",
                        t.Median(0), t.Median(1), t.Ratio(1, 0), t.Paired(1, 2, std::minus<>()),
                        t.Median(3));
            std::fflush(stdout);
        }
    }
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
