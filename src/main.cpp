#include <windows.h>

#include "app/main_form.h"
#include "core/refresh_tick.h"
#include "win32/gdi_screen_capture.h"
#include "win32/registry_autostart.h"
#include "win32/registry_language.h"
#include "win32/registry_settings_store.h"
#include "win32/user_locale.h"
#include "win32/win32_environment.h"
#include "win32/win32_form.h"
#include "win32/win32_input_devices.h"
#include "win32/win32_popup_menu.h"
#include "win32/win32_registry.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    Win32Form form(instance);
    if (!form.Create()) {
        return 1;
    }
    Win32InputDevices input;
    GdiScreenCapture screen;
    Win32Registry registry;
    RegistrySettingsStore settings(registry);
    RegistryAutostart autostart(registry, ExePath(), FileLength);
    Win32Environment environment;
    Win32PopupMenu menu(form.Window());
    MainForm app({form, input, screen, settings, autostart, environment, menu},
                 {RegistryLanguage(registry), UserDecimalSeparator(), {}});
    form.Connect(app);
    if (!app.Start()) {
        return 1;  // refused to run here: nothing was shown or stored
    }
    // Ticks start once start-up is complete.
    form.StartTimers(TrackingIntervalMs, AutoRefreshIntervalMs);

    // The loop ends with the window, also when its end came inside a modal loop (a menu, a drag)
    // that swallowed the quit message.
    MSG message{};
    while (form.IsOpen() && GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
