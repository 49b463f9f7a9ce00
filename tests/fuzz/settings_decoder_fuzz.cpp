// Feeds any text to the settings decoder as a stored value would reach it. Whatever is stored,
// start-up must get a number, a usable zoom, and a value that is written back and read again as
// itself; blanks anywhere never change what a text means.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/settings.h"
#include "doubles/fake_system.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const double value = DecodeNumber(text);
    if (!std::isfinite(value)) {
        std::abort();
    }
    std::string spaced;
    for (const char c : text) {
        spaced += ' ';
        spaced += c;
    }
    if (DecodeNumber(spaced) != value) {
        std::abort();
    }
    // Written with 15 significant digits: read back within that precision.
    const double reread = DecodeNumber(SettingText(value));
    if (std::fabs(reread - value) > std::fabs(value) * 1e-14) {
        std::abort();
    }
    FakeRegistry store;
    store.SetSetting("Set.Zoom", text);
    const std::int16_t zoom = ReadZoom(store);
    if (zoom < 1 || zoom > 1999) {
        std::abort();
    }
    return 0;
}
