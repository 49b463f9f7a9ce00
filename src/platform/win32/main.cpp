#include <windows.h>

#include "app/main_form.h"
#include "core/refresh_tick.h"
#include "platform/win32/gdi_screen_capture.h"
#include "platform/win32/registry_settings_store.h"
#include "platform/win32/user_locale.h"
#include "platform/win32/win32_form.h"
#include "platform/win32/win32_input_devices.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    Win32Form form(instance);
    Win32InputDevices input;
    GdiScreenCapture screen;
    RegistrySettingsStore settings;
    MainForm app(form, input, screen, settings, UserDecimalSeparator());
    if (!form.Create(app, Timer1IntervalMs, Timer2IntervalMs)) {
        return 1;
    }
    app.Load();

    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
