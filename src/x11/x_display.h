#pragma once

#include <X11/Xlib.h>

// A connection to the X server of this program's own, apart from the window toolkit's, so that a
// capture or a query never waits behind the toolkit's requests nor holds them up. An X error on
// it never ends the program (Xlib's default handler would): it is noted, and an XErrorTrap tells
// a call whether its own requests failed. Errors on other connections go to the handler that was
// there before.
class XDisplay {
  public:
    XDisplay() = default;
    // The display named, or DISPLAY's for nullptr; empty when no server answers.
    static XDisplay Open(const char* name = nullptr);
    XDisplay(XDisplay&& other) noexcept;
    XDisplay& operator=(XDisplay&& other) noexcept;
    XDisplay(const XDisplay&) = delete;
    XDisplay& operator=(const XDisplay&) = delete;
    ~XDisplay();

    Display* get() const { return display_; }
    explicit operator bool() const { return display_ != nullptr; }

  private:
    explicit XDisplay(Display* display) : display_(display) {}
    void Close();

    Display* display_ = nullptr;
};

// Puts the handler of our connections' errors back in its place, should the window toolkit have
// set one of its own since; cheap enough before every request that may fail.
void KeepXErrorHandler();

// Made before some requests on one of our connections, it tells whether one of them failed.
class XErrorTrap {
  public:
    explicit XErrorTrap(Display* display);
    XErrorTrap(const XErrorTrap&) = delete;
    XErrorTrap& operator=(const XErrorTrap&) = delete;

    // Waits for the server to have handled every request made so far (one round trip), then
    // says whether one made since the trap failed.
    bool Failed();

  private:
    Display* display_;
    unsigned long firstRequest_;
};
