// Rendering figures through the real GDI, printed and never judged:
//   render_bench render [W H ZOOM]   the floor, the program's rendering and their ratio; at 100%
//                                    and above, the floor's capture scaled by BlockScale
//   render_bench tick                the whole rendered tick with the first-run overlays against
//                                    the floor plus the paint, and where the overlays' time goes
//   render_bench memory [W H ZOOM]   live GDI objects and working set over 10,000 renderings
// Without W H ZOOM the window sizes are 128 x 128, 512 x 512 and 1024 x 768 at 10%, 100%, 400%
// and 1600% (memory: 1024 x 768 at 50%). The focus point is the screen's centre.

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "parts.h"

namespace {

constexpr int DefaultSizes[][2] = {{128, 128}, {512, 512}, {1024, 768}};
constexpr float DefaultZooms[] = {0.1f, 1.0f, 4.0f, 16.0f};

std::vector<ViewCase> CasesFrom(int argc, char** argv) {
    if (argc >= 5) {
        return {{std::atoi(argv[2]), std::atoi(argv[3]), static_cast<float>(std::atof(argv[4]))}};
    }
    std::vector<ViewCase> cases;
    for (const auto& size : DefaultSizes) {
        for (const float zoom : DefaultZooms) {
            cases.push_back({size[0], size[1], zoom});
        }
    }
    return cases;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string part = argc > 1 ? argv[1] : "render";
    const std::vector<ViewCase> cases = CasesFrom(argc, argv);
    if (part == "render") {
        return RenderPart(cases);
    }
    if (part == "tick") {
        return TickPart(cases);
    }
    if (part == "memory") {
        return MemoryPart(argc >= 5 ? cases.front() : ViewCase{1024, 768, 0.5f});
    }
    std::fprintf(stderr, "usage: render_bench render|tick|memory [WIDTH HEIGHT ZOOM]\n");
    return 2;
}
