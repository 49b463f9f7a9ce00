#include "x11/atspi_bus_probe.h"

#include <cstdlib>
#include <string_view>

#include "x11/atspi_owners.h"

namespace {

constexpr int kReplyTimeoutMs = 200;

bool IsSet(const char* value) {
    return value != nullptr && *value != '\0';
}

}  // namespace

std::optional<std::string> WhyNoAccessibilityBus() {
    if (IsSet(std::getenv("AT_SPI_BUS_ADDRESS"))) {
        return std::nullopt;  // libatspi goes straight there
    }
    // "disabled:" is what the program sets where there was none, so that nothing starts one.
    const char* session = std::getenv("DBUS_SESSION_BUS_ADDRESS");
    if (!IsSet(session) || std::string_view(session) == "disabled:") {
        return "there is no session bus (DBUS_SESSION_BUS_ADDRESS is not set)";
    }
    DBusErrorSlot error;
    const DBusConnectionPtr bus(dbus_connection_open_private(session, error.Out()));
    if (!bus || !dbus_bus_register(bus.get(), error.Out())) {
        return std::string("the session bus cannot be reached: ") + error.Message();
    }
    const DBusMessagePtr ask(dbus_message_new_method_call(DBUS_SERVICE_DBUS, DBUS_PATH_DBUS,
                                                          DBUS_INTERFACE_DBUS, "NameHasOwner"));
    const char* launcher = "org.a11y.Bus";
    if (!ask ||
        !dbus_message_append_args(ask.get(), DBUS_TYPE_STRING, &launcher, DBUS_TYPE_INVALID)) {
        return "out of memory asking the session bus";
    }
    const DBusMessagePtr reply(dbus_connection_send_with_reply_and_block(
        bus.get(), ask.get(), kReplyTimeoutMs, error.Out()));
    dbus_bool_t running = FALSE;
    if (!reply || !dbus_message_get_args(reply.get(), error.Out(), DBUS_TYPE_BOOLEAN, &running,
                                         DBUS_TYPE_INVALID)) {
        return std::string("the session bus did not answer: ") + error.Message();
    }
    if (!running) {
        return "no accessibility bus runs on the session bus (nothing owns org.a11y.Bus)";
    }
    return std::nullopt;
}
