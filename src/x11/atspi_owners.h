#pragma once

// Owners of what GLib, libatspi and libdbus hand out: each releases its object on every path.

#include <atspi/atspi.h>
#include <dbus/dbus.h>

#include <memory>

struct GObjectUnref {
    void operator()(gpointer object) const noexcept { g_object_unref(object); }
};
template <typename T>
using GObjectPtr = std::unique_ptr<T, GObjectUnref>;

// A reference of our own to an object that was only lent to us.
template <typename T>
GObjectPtr<T> Referenced(T* object) {
    return GObjectPtr<T>(object != nullptr ? static_cast<T*>(g_object_ref(object)) : nullptr);
}

struct GFree {
    void operator()(gpointer memory) const noexcept { g_free(memory); }
};
using GCharPtr = std::unique_ptr<gchar, GFree>;

struct AtspiRectFree {
    void operator()(AtspiRect* rect) const noexcept { g_boxed_free(ATSPI_TYPE_RECT, rect); }
};
using AtspiRectPtr = std::unique_ptr<AtspiRect, AtspiRectFree>;

struct AtspiEventFree {
    void operator()(AtspiEvent* event) const noexcept { g_boxed_free(ATSPI_TYPE_EVENT, event); }
};
using AtspiEventPtr = std::unique_ptr<AtspiEvent, AtspiEventFree>;

struct MainContextUnref {
    void operator()(GMainContext* context) const noexcept { g_main_context_unref(context); }
};
using MainContextPtr = std::unique_ptr<GMainContext, MainContextUnref>;

struct MainLoopUnref {
    void operator()(GMainLoop* loop) const noexcept { g_main_loop_unref(loop); }
};
using MainLoopPtr = std::unique_ptr<GMainLoop, MainLoopUnref>;

// A source attached to a context: destroyed (it never fires again) and released.
struct SourceDestroy {
    void operator()(GSource* source) const noexcept {
        g_source_destroy(source);
        g_source_unref(source);
    }
};
using SourcePtr = std::unique_ptr<GSource, SourceDestroy>;

// The place a GLib call reports its error into; frees what it holds.
class ErrorSlot {
  public:
    ErrorSlot() = default;
    ErrorSlot(const ErrorSlot&) = delete;
    ErrorSlot& operator=(const ErrorSlot&) = delete;
    ~ErrorSlot() { g_clear_error(&error_); }
    GError** Out() noexcept { return &error_; }
    explicit operator bool() const noexcept { return error_ != nullptr; }
    const char* Message() const noexcept { return error_ != nullptr ? error_->message : ""; }

  private:
    GError* error_ = nullptr;
};

// A private connection to a D-Bus bus: closed, then released.
struct DBusConnectionClose {
    void operator()(DBusConnection* connection) const noexcept {
        dbus_connection_close(connection);
        dbus_connection_unref(connection);
    }
};
using DBusConnectionPtr = std::unique_ptr<DBusConnection, DBusConnectionClose>;

struct DBusMessageUnref {
    void operator()(DBusMessage* message) const noexcept { dbus_message_unref(message); }
};
using DBusMessagePtr = std::unique_ptr<DBusMessage, DBusMessageUnref>;

// libdbus's error record, freed on every path.
class DBusErrorSlot {
  public:
    DBusErrorSlot() { dbus_error_init(&error_); }
    DBusErrorSlot(const DBusErrorSlot&) = delete;
    DBusErrorSlot& operator=(const DBusErrorSlot&) = delete;
    ~DBusErrorSlot() { dbus_error_free(&error_); }
    DBusError* Out() noexcept { return &error_; }
    const char* Message() const noexcept {
        return dbus_error_is_set(&error_) ? error_.message : "no reason given";
    }

  private:
    DBusError error_;
};
