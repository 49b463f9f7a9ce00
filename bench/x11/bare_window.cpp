// A bare Qt window whose 10 ms timer makes only the queries every tick of the magnifier needs from
// the X server, and nothing else: the least any Qt magnifier on a 10 ms timer pays, next to which
// the native program's idle cost is measured. Each tick asks for the pointer and the buttons (one
// XQueryPointer) and reads one frame through MIT-SHM: the screen around the pointer that a view of
// the window's client size shows at 200 %, clipped to the screen, into a segment kept from tick to
// tick. With the argument "pointer" it only asks for the pointer and the buttons. It never paints
// after its first paint; it draws nothing.
//   bare_window [frame|pointer] [LEFT TOP WIDTH HEIGHT]   (the client's rectangle, default
//   32 52 298 274: the program's at its benchmark's 300 x 300 under openbox)
#include <QApplication>
#include <QTimer>
#include <QWidget>

// After Qt's: Xlib defines names Qt uses.
#include <X11/Xlib.h>
#include <X11/extensions/XShm.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "x11/x_display.h"
#include "x11/x_shared_image.h"

namespace {

class Queries {
  public:
    Queries(bool frame, int width, int height)
        : display_(XDisplay::Open()), frame_(frame), width_(width), height_(height) {
        Display* const x = display_.get();
        if (x == nullptr || !frame_) {
            return;
        }
        const int screen = DefaultScreen(x);
        // Never larger than the screen: the read is clipped to it.
        width_ = std::min(width_, DisplayWidth(x, screen));
        height_ = std::min(height_, DisplayHeight(x, screen));
        shared_ = XSharedImage::Create(x, DefaultVisual(x, screen), DefaultDepth(x, screen),
                                       static_cast<std::size_t>(width_) * 4 * height_);
        image_ = shared_.Fit(width_, height_);
        if (image_ == nullptr) {
            std::fprintf(stderr, "bare_window: no MIT-SHM image\n");
        }
    }

    void Tick() {
        Display* const x = display_.get();
        if (x == nullptr) {
            return;
        }
        Window root = 0;
        Window child = 0;
        int rootX = 0;
        int rootY = 0;
        int windowX = 0;
        int windowY = 0;
        unsigned buttons = 0;
        XQueryPointer(x, DefaultRootWindow(x), &root, &child, &rootX, &rootY, &windowX, &windowY,
                      &buttons);
        if (image_ == nullptr) {
            return;
        }
        const int screen = DefaultScreen(x);
        const int left = std::clamp(rootX - width_ / 2, 0, DisplayWidth(x, screen) - width_);
        const int top = std::clamp(rootY - height_ / 2, 0, DisplayHeight(x, screen) - height_);
        XShmGetImage(x, DefaultRootWindow(x), image_, left, top, AllPlanes);
    }

  private:
    XDisplay display_;
    bool frame_;
    int width_;
    int height_;
    XSharedImage shared_;
    XImage* image_ = nullptr;
};

}  // namespace

int main(int argc, char** argv) {
    // As the magnifier runs: device pixels, the X11 platform.
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    setenv("QT_ENABLE_HIGHDPI_SCALING", "0", 1);
    QApplication application(argc, argv);
    const bool frame = argc < 2 || std::string_view(argv[1]) != "pointer";
    int rect[4] = {32, 52, 298, 274};
    if (argc >= 6) {
        for (int i = 0; i < 4; ++i) {
            rect[i] = std::max(1, std::atoi(argv[2 + i]));
        }
    }
    QWidget window;
    window.setWindowTitle("bare window");
    window.setGeometry(rect[0], rect[1], rect[2], rect[3]);
    window.show();
    // The area a view of the client's size shows at 200 %.
    Queries queries(frame, (rect[2] + 1) / 2, (rect[3] + 1) / 2);
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, [&queries] { queries.Tick(); });
    timer.start(10);
    return application.exec();
}
