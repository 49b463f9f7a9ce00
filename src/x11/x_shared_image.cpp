#include "x11/x_shared_image.h"

#include <sys/ipc.h>
#include <sys/shm.h>

#include <X11/Xutil.h>

#include "x11/x_display.h"

namespace {

char* const NotAttached = reinterpret_cast<char*>(-1);  // what shmat answers on failure

}  // namespace

XSharedImage::Segment::~Segment() {
    if (image != nullptr) {
        XDestroyImage(image);  // an image of XShmCreateImage frees its record only
    }
    if (attachedTo != nullptr) {
        XShmDetach(attachedTo, &info);
        XFlush(attachedTo);
    }
    if (info.shmaddr != nullptr && info.shmaddr != NotAttached) {
        shmdt(info.shmaddr);
    }
}

XSharedImage XSharedImage::Create(Display* display, Visual* visual, int depth, std::size_t bytes) {
    XSharedImage shared;
    auto segment = std::make_unique<Segment>();
    segment->visual = visual;
    segment->depth = depth;
    segment->bytes = bytes;
    segment->info.shmid = shmget(IPC_PRIVATE, bytes, IPC_CREAT | 0600);
    if (segment->info.shmid == -1) {
        return shared;
    }
    segment->info.shmaddr = static_cast<char*>(shmat(segment->info.shmid, nullptr, 0));
    segment->info.readOnly = False;
    bool attached = false;
    if (segment->info.shmaddr != NotAttached) {
        XErrorTrap trap(display);
        attached = XShmAttach(display, &segment->info) && !trap.Failed();
    }
    // Both sides hold it now (or never will): it goes with the last of them, even if we crash.
    shmctl(segment->info.shmid, IPC_RMID, nullptr);
    if (attached) {
        segment->attachedTo = display;
        shared.segment_ = std::move(segment);
    }
    return shared;
}

XImage* XSharedImage::Fit(int width, int height) {
    if (!segment_) {
        return nullptr;
    }
    XImage*& image = segment_->image;
    if (image != nullptr && image->width == width && image->height == height) {
        return image;
    }
    if (image != nullptr) {
        XDestroyImage(image);
        image = nullptr;
    }
    // Only a record on our side: no request goes to the server.
    image = XShmCreateImage(segment_->attachedTo, segment_->visual,
                            static_cast<unsigned>(segment_->depth), ZPixmap, segment_->info.shmaddr,
                            &segment_->info, static_cast<unsigned>(width),
                            static_cast<unsigned>(height));
    if (image != nullptr &&
        static_cast<std::size_t>(image->bytes_per_line) * static_cast<std::size_t>(height) >
            segment_->bytes) {
        XDestroyImage(image);
        image = nullptr;
    }
    return image;
}
