#include "x11/x_active_window.h"

#include <xcb/xcb.h>
#include <xcb/xproto.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

struct Free {
    void operator()(void* reply) const noexcept { std::free(reply); }
};
template <typename T>
using Reply = std::unique_ptr<T, Free>;

// Where a request's error goes (instead of the event queue, where nobody would read it).
class ErrorSink {
  public:
    ErrorSink() = default;
    ErrorSink(const ErrorSink&) = delete;
    ErrorSink& operator=(const ErrorSink&) = delete;
    ~ErrorSink() { std::free(error_); }
    xcb_generic_error_t** Out() noexcept { return &error_; }

  private:
    xcb_generic_error_t* error_ = nullptr;
};

struct Disconnect {
    void operator()(xcb_connection_t* connection) const noexcept { xcb_disconnect(connection); }
};

xcb_atom_t Intern(xcb_connection_t* connection, const char* name) {
    ErrorSink error;
    const Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        connection,
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name),
        error.Out()));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// The first `count` 32-bit values of a property, or nothing when it is absent or shorter.
template <std::size_t count>
std::optional<std::array<std::uint32_t, count>> Cardinals(xcb_connection_t* connection,
                                                          xcb_window_t window, xcb_atom_t name,
                                                          xcb_atom_t type) {
    ErrorSink error;
    const Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, name, type, 0, count), error.Out()));
    if (!reply || reply->format != 32 ||
        xcb_get_property_value_length(reply.get()) < static_cast<int>(4 * count)) {
        return std::nullopt;
    }
    std::array<std::uint32_t, count> values{};
    std::memcpy(values.data(), xcb_get_property_value(reply.get()), 4 * count);
    return values;
}

}  // namespace

struct ActiveWindowOrigin::Server {
    std::unique_ptr<xcb_connection_t, Disconnect> connection;
    xcb_window_t root = XCB_WINDOW_NONE;
    xcb_atom_t activeWindow = XCB_ATOM_NONE;
    xcb_atom_t frameExtents = XCB_ATOM_NONE;
};

ActiveWindowOrigin::ActiveWindowOrigin() = default;
ActiveWindowOrigin::~ActiveWindowOrigin() = default;

std::optional<ScreenPoint> ActiveWindowOrigin::Find() {
    if (!tried_) {
        tried_ = true;
        int screenNumber = 0;
        std::unique_ptr<xcb_connection_t, Disconnect> connection(
            xcb_connect(nullptr, &screenNumber));
        if (xcb_connection_has_error(connection.get()) != 0) {
            return std::nullopt;
        }
        xcb_screen_iterator_t screen = xcb_setup_roots_iterator(xcb_get_setup(connection.get()));
        for (; screen.rem > 0 && screenNumber > 0; --screenNumber) {
            xcb_screen_next(&screen);
        }
        if (screen.rem == 0) {
            return std::nullopt;
        }
        server_ = std::make_unique<Server>();
        server_->root = screen.data->root;
        server_->activeWindow = Intern(connection.get(), "_NET_ACTIVE_WINDOW");
        server_->frameExtents = Intern(connection.get(), "_GTK_FRAME_EXTENTS");
        server_->connection = std::move(connection);
    }
    if (!server_) {
        return std::nullopt;
    }
    xcb_connection_t* const connection = server_->connection.get();
    const auto active =
        Cardinals<1>(connection, server_->root, server_->activeWindow, XCB_ATOM_WINDOW);
    if (!active || (*active)[0] == XCB_WINDOW_NONE) {
        return std::nullopt;
    }
    const xcb_window_t window = (*active)[0];
    ErrorSink error;  // the window may have gone since it was named
    const Reply<xcb_translate_coordinates_reply_t> origin(xcb_translate_coordinates_reply(
        connection, xcb_translate_coordinates(connection, window, server_->root, 0, 0),
        error.Out()));
    if (!origin) {
        return std::nullopt;
    }
    ScreenPoint point{origin->dst_x, origin->dst_y};
    // left, right, top, bottom
    if (const auto frame =
            Cardinals<4>(connection, window, server_->frameExtents, XCB_ATOM_CARDINAL)) {
        point.x += static_cast<std::int32_t>((*frame)[0]);
        point.y += static_cast<std::int32_t>((*frame)[2]);
    }
    return point;
}
