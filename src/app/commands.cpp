#include "app/commands.h"

namespace {

// Items whose effect is drawn over the picture: the view must show their new state at once.
bool RedrawsAtOnce(std::int16_t index) {
    switch (index) {
        case Item::ShowLines:
        case Item::ShowCoordinates:
        case Item::ShowColorsHex:
        case Item::ShowColorsDec:
        case Item::ShowColorsCMY:
        case Item::ShowColorsCMYK:
            return true;
        default:
            return false;
    }
}

bool IsToggle(std::int16_t index) {
    switch (index) {
        case Item::AutoRefresh:
        case Item::FollowMouse:
        case Item::FollowText:
        case Item::ShowMouseCursor:
        case Item::OnTop:
        case Item::Autorun:
            return true;
        default:
            return RedrawsAtOnce(index);
    }
}

}  // namespace

void DispatchMenuItem(CommandTarget& target, std::int16_t index) {
    if (index >= Item::FirstZoom && index <= Item::LastZoom) {
        target.SelectZoom(index);
        return;
    }
    if (index == Item::About) {
        target.ShowAbout();
        return;
    }
    if (index == Item::Close) {
        target.Unload();
        return;
    }
    if (!IsToggle(index)) {
        return;  // separators and indexes that name nothing
    }
    OptionTable& options = target.Options();
    // Only one of CMY and CMYK is ever shown: picking one clears the other first.
    if (index == Item::ShowColorsCMY) {
        options.SetChecked(Item::ShowColorsCMYK, false);
    } else if (index == Item::ShowColorsCMYK) {
        options.SetChecked(Item::ShowColorsCMY, false);
    }
    options.ToggleOption(index);
    const bool checked = options.IsOptionChecked(index);
    if (index == Item::ShowLines) {
        target.ShowMeasuringLine(checked);
    } else if (index == Item::FollowMouse && !checked) {
        target.KeepPointerColor();
    } else if (index == Item::OnTop) {
        target.SetOnTop(checked);
    } else if (index == Item::Autorun) {
        target.SetAutorun(checked);
    }
    if (RedrawsAtOnce(index)) {
        target.ForceRefresh();
    }
}
