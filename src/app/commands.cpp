#include "app/commands.h"

void DispatchMenuItem(CommandTarget& target, int index) {
    if (IsZoomIndex(index)) {
        target.SelectZoom(static_cast<std::int16_t>(index));
        return;
    }
    if (index == Item::About) {
        target.ShowAbout();
        return;
    }
    if (index == Item::Close) {
        target.Close();
        return;
    }
    const OptionRow* row = RowOfItem(index);
    if (row == nullptr || row->kind != ItemKind::Option) {
        return;  // separators and indexes that name nothing
    }
    OptionTable& options = target.Options();
    if (row->excludes != 0) {
        options.SetChecked(row->excludes, false);
    }
    options.ToggleOption(index);
    const bool checked = options.IsOptionChecked(index);
    if (index == Item::ShowLines) {
        target.ShowMeasuringLine(checked);
    } else if (index == Item::FollowText) {
        target.WatchCaret(checked);
    } else if (index == Item::FollowMouse && !checked) {
        target.KeepPointerColor();
    } else if (index == Item::OnTop) {
        target.SetOnTop(checked);
    } else if (index == Item::Autorun) {
        target.SetAutorun(checked);
    }
    // What is drawn over the picture shows its new state at once.
    if (row->overlay != Overlay::None) {
        target.ForceRefresh();
    }
}
