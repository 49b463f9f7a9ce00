#include "app/refusals.h"

#include <array>

namespace {

struct Refusal {
    SystemSupport reason;
    const char* english;
    const char* german;
};

constexpr std::array<Refusal, 4> Refusals{{
    {SystemSupport::Windows9x, "Sorry, this program can't run in Windows 95/98/ME.",
     "Sorry, this program can't run in Windows 95/98/ME."},
    {SystemSupport::WaylandSession,
     "Ridoduvuzi Zedez needs an X11 session: under Wayland no program may read the screen. Your "
     "desktop's own zoom works there.",
     "Ridoduvuzi Zedez braucht eine X11-Sitzung: unter Wayland darf kein Programm den Bildschirm "
     "lesen. Die Bildschirmlupe Ihres Desktops funktioniert dort."},
    {SystemSupport::NoDisplay,
     "Ridoduvuzi Zedez needs an X11 session: no X display could be opened (is DISPLAY set?).",
     "Ridoduvuzi Zedez braucht eine X11-Sitzung: es lie\xC3\x9F sich keine X-Anzeige \xC3\xB6"
     "ffnen (ist DISPLAY gesetzt?)."},
    {SystemSupport::UnsupportedDepth,
     "Ridoduvuzi Zedez needs an X11 screen of 24 or 32 bits per pixel: this screen has another "
     "colour depth.",
     "Ridoduvuzi Zedez braucht einen X11-Bildschirm mit 24 oder 32 Bit je Pixel: dieser "
     "Bildschirm hat eine andere Farbtiefe."},
}};

}  // namespace

std::string RefusalText(SystemSupport support, UiLanguage language) {
    for (const Refusal& refusal : Refusals) {
        if (refusal.reason == support) {
            return language == UiLanguage::German ? refusal.german : refusal.english;
        }
    }
    return {};
}
