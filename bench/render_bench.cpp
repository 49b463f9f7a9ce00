// Times one rendering (capture and scaling of the view around the screen centre) for a few
// window sizes and zooms, then checks that GDI objects and memory stay flat over many renderings.

#include <windows.h>
// psapi.h needs windows.h first.
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "core/twips.h"
#include "core/view_renderer.h"
#include "platform/win32/gdi_handles.h"
#include "platform/win32/gdi_screen_capture.h"

namespace {

// Just enough of a main window for RenderView: a client size and the last picture.
class BenchWindow : public FormWindow {
  public:
    BenchWindow(int widthPx, int heightPx, float twipsPerPixel)
        : scaleWidth_(static_cast<float>(widthPx) * twipsPerPixel),
          scaleHeight_(static_cast<float>(heightPx) * twipsPerPixel),
          twipsPerPixel_(twipsPerPixel) {}

    float Left() const override { return 0; }
    float Top() const override { return 0; }
    float Width() const override { return scaleWidth_; }
    float Height() const override { return scaleHeight_; }
    void SetWidth(float) override {}
    void SetHeight(float) override {}
    void Move(float, float, float, float) override {}
    float ScaleWidth() const override { return scaleWidth_; }
    float ScaleHeight() const override { return scaleHeight_; }
    float ScreenTwipsPerPixelX() const override { return twipsPerPixel_; }
    float ScreenTwipsPerPixelY() const override { return twipsPerPixel_; }
    void SetPicture(std::unique_ptr<Picture> picture) override {
        picture_ = std::move(picture);
        ++pictures_;
    }
    DrawingSurface& Surface() override { std::abort(); }
    void SetCaption(const std::string&) override {}
    void Show() override {}
    void StopTimers() override {}
    void PlaceWindow(std::int32_t, std::int32_t, std::int32_t, std::int32_t, bool) override {}
    void DragWindow() override {}
    void ShowMessage(const std::string&, const std::string&, MessageStyle) override {}
    void Unload() override {}

    const Picture* Shown() const { return picture_.get(); }
    long Pictures() const { return pictures_; }

  private:
    float scaleWidth_;
    float scaleHeight_;
    float twipsPerPixel_;
    std::unique_ptr<Picture> picture_;
    long pictures_ = 0;
};

struct WindowSize {
    int width;
    int height;
};

constexpr WindowSize WindowSizes[] = {{128, 128}, {512, 512}, {1024, 768}};
constexpr float Zooms[] = {0.1f, 1.0f, 4.0f, 16.0f};

double Seconds(LONGLONG ticks) {
    static const double frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart);
    }();
    return static_cast<double>(ticks) / frequency;
}

LONGLONG Now() {
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return t.QuadPart;
}

float ScreenTwipsPerPixel() {
    const WindowDc screen(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen.get(), LOGPIXELSX) : 96;
    return 1440.0f / static_cast<float>(dpi > 0 ? dpi : 96);
}

struct Memory {
    SIZE_T privateBytes = 0;
    SIZE_T pagefile = 0;
    SIZE_T workingSet = 0;
};

Memory ProcessMemory() {
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof(counters);
    Memory memory;
    if (GetProcessMemoryInfo(GetCurrentProcess(),
                             reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                             sizeof(counters))) {
        memory.privateBytes = counters.PrivateUsage;
        memory.pagefile = counters.PagefileUsage;
        memory.workingSet = counters.WorkingSetSize;
    }
    return memory;
}

// Wine leaves PrivateUsage at 0, so the pagefile (committed) figure is printed as well.
void PrintState(int renderings) {
    const Memory memory = ProcessMemory();
    std::printf("%10d %12ld %14zu %14zu %14zu\n", renderings, LiveGdiHandles(),
                memory.privateBytes / 1024, memory.pagefile / 1024, memory.workingSet / 1024);
}

}  // namespace

int main() {
    const float twipsPerPixel = ScreenTwipsPerPixel();
    const TwipsPerPixel members{static_cast<std::int32_t>(twipsPerPixel + 0.5f),
                                static_cast<std::int32_t>(twipsPerPixel + 0.5f)};
    const std::int32_t focusX = GetSystemMetrics(SM_CXSCREEN) / 2;
    const std::int32_t focusY = GetSystemMetrics(SM_CYSCREEN) / 2;
    GdiScreenCapture screen;

    std::printf("screen %dx%d, virtual %dx%d, %.2f twips per pixel, focus (%d, %d)\n",
                GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN),
                twipsPerPixel, focusX, focusY);
    std::printf("%-10s %6s %-7s %9s %12s %12s\n", "window", "zoom", "cursor", "picture",
                "median us", "min us");

    constexpr int Samples = 31;
    for (const WindowSize& size : WindowSizes) {
        for (const float zoom : Zooms) {
            for (const bool withCursor : {false, true}) {
                BenchWindow window(size.width, size.height, twipsPerPixel);
                RenderView(window, screen, focusX, focusY, zoom, members, withCursor);  // warm-up
                std::vector<double> times;
                for (int i = 0; i < Samples; ++i) {
                    const LONGLONG start = Now();
                    RenderView(window, screen, focusX, focusY, zoom, members, withCursor);
                    times.push_back(Seconds(Now() - start) * 1e6);
                }
                std::sort(times.begin(), times.end());
                const Picture* shown = window.Shown();
                const std::string sizeText =
                    std::to_string(size.width) + "x" + std::to_string(size.height);
                const std::string pictureText =
                    shown == nullptr
                        ? "none"
                        : std::to_string(shown->Width()) + "x" + std::to_string(shown->Height());
                std::printf("%-10s %5.0f%% %-7s %9s %12.0f %12.0f\n", sizeText.c_str(), zoom * 100,
                            withCursor ? "yes" : "no", pictureText.c_str(), times[times.size() / 2],
                            times.front());
            }
        }
    }

    // The window keeps the picture it shows, so one live bitmap is expected throughout.
    constexpr int Renderings = 10000;
    constexpr int Checkpoint = 2500;
    BenchWindow window(512, 512, twipsPerPixel);
    RenderView(window, screen, focusX, focusY, 1, members, false);
    std::printf("\n%10s %12s %14s %14s %14s\n", "renderings", "live GDI", "private KiB",
                "pagefile KiB", "working KiB");
    PrintState(0);
    const LONGLONG start = Now();
    for (int i = 1; i <= Renderings; ++i) {
        // Every zoom, with and without the cursor, and a focus point that now and then lies
        // beyond the screen's edges.
        const float zoom = Zooms[i % 4];
        const bool withCursor = (i / 4) % 2 == 0;
        const std::int32_t x = (i * 37) % (2 * focusX + 400) - 200;
        RenderView(window, screen, x, focusY, zoom, members, withCursor);
        if (i == 100 || i % Checkpoint == 0) {
            PrintState(i);
        }
    }
    const double seconds = Seconds(Now() - start);
    std::printf("%ld pictures shown, %.0f us a rendering on average (512x512, mixed zooms)\n",
                window.Pictures(), seconds * 1e6 / Renderings);
    return 0;
}
