#include <windows.h>
// psapi.h needs windows.h first.
#include <psapi.h>

#include <cstdio>

#include "app/view_renderer.h"
#include "base/twips.h"
#include "parts.h"
#include "timing.h"
#include "win32/gdi_screen_capture.h"
#include "win32/handles.h"

namespace {

void PrintState(int renderings) {
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof(memory);
    if (!GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof(memory))) {
        memory = {};
    }
    std::printf("%10d %10ld %14zu %14zu\n", renderings, LiveGdiHandles(),
                memory.WorkingSetSize / 1024, memory.PeakWorkingSetSize / 1024);
    std::fflush(stdout);
}

}  // namespace

// 10,000 renderings in runs of 50, the focus sweeping past the screen's edges in the small
// views: one run of the large view in every 16, one of a 128 x 128 view at 10%, and 512 x 512
// views at 100% with the cursor, 400% and 1600% in the others. Every change of run changes the
// capture's size, so its DIB is made anew.
int MemoryPart(const ViewCase& large) {
    const int dpi = ProgramDpi();
    const std::int32_t twips = TwipsPerPixelForDpi(dpi);
    const ScreenPoint centre = ScreenCentre();
    const UniqueWindowDc screen = WindowDc(GetDesktopWindow());
    GdiScreenCapture capture;
    PrintScreen(dpi, twips, centre);
    std::printf(
        "runs of 50: %s at %.0f%% in 1 of 16, 128x128 at 10%%, 512x512 at 100%%, 400%% "
        "and 1600%%\n",
        SizeText(large.width, large.height).c_str(), large.zoom * 100);
    std::printf("%10s %10s %14s %14s\n", "renderings", "live GDI", "working KiB", "peak KiB");
    BufferWindow largeWindow(screen.get(), large.width, large.height, dpi);
    BufferWindow tinyWindow(screen.get(), 128, 128, dpi);
    BufferWindow smallWindow(screen.get(), 512, 512, dpi);
    PrintState(0);
    constexpr int Renderings = 10000;
    const LONGLONG start = Now();
    for (int i = 1; i <= Renderings; ++i) {
        const int run = (i / 50) % 16;
        const ScreenPoint swept{(i * 37) % (2 * centre.x + 400) - 200, centre.y};
        if (run == 0) {
            RenderFocusArea(largeWindow, capture, centre, large.zoom, twips, false);
        } else if (run == 8) {
            RenderFocusArea(tinyWindow, capture, swept, 0.1f, twips, false);
        } else {
            const float zoom = run % 3 == 0 ? 1.0f : (run % 3 == 1 ? 4.0f : 16.0f);
            RenderFocusArea(smallWindow, capture, swept, zoom, twips, zoom == 1.0f);
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
