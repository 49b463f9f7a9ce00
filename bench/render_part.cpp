#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "app/view_renderer.h"
#include "base/twips.h"
#include "parts.h"
#include "timing.h"
#include "win32/gdi_screen_capture.h"
#include "win32/handles.h"

int RenderPart(const std::vector<ViewCase>& cases) {
    const int dpi = ProgramDpi();
    const std::int32_t twips = TwipsPerPixelForDpi(dpi);
    const ScreenPoint focus = ScreenCentre();
    const UniqueWindowDc screen = WindowDc(GetDesktopWindow());
    GdiScreenCapture capture;
    PrintScreen(dpi, twips, focus);
    std::printf("%-10s %6s %-6s %10s %10s %11s %6s %10s\n", "window", "zoom", "cursor", "picture",
                "floor us", "render us", "ratio", "blocks us");
    for (const ViewCase& view : cases) {
        BufferWindow window(screen.get(), view.width, view.height, dpi);
        Floor floor(screen.get(), view, twips, focus);
        for (const bool withCursor : {false, true}) {
            std::vector<Step> steps{
                {"floor", [&] { floor.Render(withCursor); }},
                {"rendering",
                 [&] { RenderFocusArea(window, capture, focus, view.zoom, twips, withCursor); }},
            };
            const bool blocks = view.zoom >= 1;
            if (blocks) {
                steps.push_back({"blocks", [&] { floor.ScaleBlocks(); }});
            }
            const Timings t = TimeRounds(steps);
            std::printf("%-10s %5.0f%% %-6s %10s %10.0f %11.0f %6.2f %10s\n",
                        SizeText(view.width, view.height).c_str(), view.zoom * 100,
                        withCursor ? "yes" : "no", window.PictureSize().c_str(), t.Median("floor"),
                        t.Median("rendering"), t.Ratio("rendering", "floor"),
                        blocks ? std::to_string(std::lround(t.Median("blocks"))).c_str() : "-");
            std::fflush(stdout);
        }
    }
    return 0;
}
