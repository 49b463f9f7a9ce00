// The Linux program: the portable logic on the X11 backend, with Qt for the window, the menu, the
// boxes and the timers.
#include <QApplication>
#include <QSocketNotifier>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <utility>

#include "app/main_form.h"
#include "app/refusals.h"
#include "core/option_rows.h"
#include "core/refresh_tick.h"
#include "shell/desktop_autostart.h"
#include "shell/locale_language.h"
#include "shell/settings_file_store.h"
#include "shell/user_files.h"
#include "x11/atspi_caret_watcher.h"
#include "x11/posix_environment.h"
#include "x11/posix_locale.h"
#include "x11/posix_signals.h"
#include "x11/posix_text_files.h"
#include "x11/qt_form.h"
#include "x11/qt_popup_menu.h"
#include "x11/x_display.h"
#include "x11/x_input_devices.h"
#include "x11/x_screen_capture.h"
#include "x11/x_session.h"

namespace {

// The German caption of the autorun item, where logging on is no matter of Windows.
constexpr const char* AutorunGerman = "&Autostart bei der Anmeldung";

const char* Variable(const char* name) {
    return std::getenv(name);
}

// The program works in device pixels: Qt's own scaling, which would make a 1920-pixel screen
// 1280 wide at 144 dpi, stays off whatever the environment asks.
void KeepDevicePixels() {
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    setenv("QT_ENABLE_HIGHDPI_SCALING", "0", 1);
    unsetenv("QT_SCALE_FACTOR");
    unsetenv("QT_SCREEN_SCALE_FACTORS");
}

// The window whose closing stores the settings, once, however the program's end came: also
// when the X server goes away, for then Qt's X11 plugin (or Xlib) ends the process with exit().
QtForm* runningWindow = nullptr;

void StoreOnExit() {
    if (runningWindow != nullptr) {
        std::exchange(runningWindow, nullptr)->ReportClosing();
    }
}

// Without a session bus, D-Bus would start one through X for the toolkit (and leave it running):
// the program launches nothing, so it has none.
void LaunchNoBus() {
    const char* bus = std::getenv("DBUS_SESSION_BUS_ADDRESS");
    if (bus == nullptr || *bus == '\0') {
        setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 1);
    }
}

}  // namespace

int main(int argc, char** argv) {
    UserLocale locale{UiLanguageFromLocale(Variable), LocaleDecimalSeparator(), {}};
    if (locale.language == UiLanguage::German) {
        locale.ownCaptions.emplace_back(Item::Autorun, AutorunGerman);
    }
    const X11Session session = CheckX11Session();
    if (session.support != SystemSupport::Supported && !session.displayOpens) {
        // Nowhere to show a box: standard error is all the user gets.
        std::fprintf(stderr, "%s\n", RefusalText(session.support, locale.language).c_str());
        return 1;
    }

    KeepDevicePixels();
    LaunchNoBus();
    QApplication application(argc, argv);
    QGuiApplication::setDesktopFileName("zedez");  // its icon and name, for the desktop
    std::setlocale(LC_NUMERIC, "C");               // Qt took the user's; stored numbers keep "."
    QtForm window(session.dpi);
    if (window.Widget().devicePixelRatioF() != 1.0) {
        std::fprintf(stderr, "Qt scales this display; the magnifier needs device pixels.\n");
    }

    AtspiCaretWatcher caret;
    XInputDevices input(XDisplay::Open(), &caret);
    XScreenCapture screen(XDisplay::Open());
    PosixTextFiles files;
    const std::string configHome = ConfigHome(Variable);
    SettingsFileStore settings(files, SettingsFilePath(configHome), std::cerr);
    DesktopAutostart autostart(files, ExePath(), AutostartFilePath(configHome));
    X11Environment environment(session.support);
    QtPopupMenu menu(window.Widget());
    MainForm app({window, input, screen, settings, autostart, environment, menu}, locale);
    window.Connect(app);
    if (!app.Start()) {
        return 1;  // refused to run here: nothing was stored
    }

    // From here on every way out stores the settings, exactly as Alt+F4 does.
    runningWindow = &window;
    std::atexit(StoreOnExit);
    QObject::connect(&application, &QGuiApplication::commitDataRequest,
                     [&window] { window.CloseFromOutside(); });
    SignalPipe signalPipe;
    if (!signalPipe.Error().empty()) {
        std::fprintf(stderr, "zedez: no signal handlers: %s\n", signalPipe.Error().c_str());
    }
    QSocketNotifier signalNotifier(signalPipe.Descriptor(), QSocketNotifier::Read);
    signalNotifier.setEnabled(signalPipe.Descriptor() >= 0);
    QObject::connect(&signalNotifier, &QSocketNotifier::activated, [&signalPipe, &window] {
        if (!signalPipe.TakeSignals().empty()) {
            window.CloseFromOutside();
        }
    });
    window.StartTimers(TrackingIntervalMs, AutoRefreshIntervalMs);
    const int status = application.exec();
    runningWindow = nullptr;  // closed as the window closed
    return status;
}
