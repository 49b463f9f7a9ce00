#include "win32/win32_popup_menu.h"

#include "win32/handles.h"
#include "win32/text_conversion.h"

int Win32PopupMenu::Track(const std::vector<MenuEntry>& entries, std::int32_t screenX,
                          std::int32_t screenY, MenuAlignment alignment) {
    const HWND owner = owner_;
    UniqueMenu menu(CreatePopupMenu());
    if (!menu || owner == nullptr) {
        return 0;
    }
    for (const MenuEntry& entry : entries) {
        // Item ids are the indexes, which are all positive; 0 is left for "nothing picked".
        const auto id = static_cast<UINT_PTR>(static_cast<std::uint16_t>(entry.index));
        if (entry.separator) {
            AppendMenuW(menu.get(), MF_SEPARATOR, id, nullptr);
        } else {
            AppendMenuW(menu.get(), MF_STRING | (entry.checked ? MF_CHECKED : MF_UNCHECKED), id,
                        Widen(entry.caption).c_str());
        }
    }
    const UINT align = alignment == MenuAlignment::CentredOnPoint ? TPM_CENTERALIGN : TPM_LEFTALIGN;
    // The owner must be in the foreground, or the menu would not close when clicked outside.
    SetForegroundWindow(owner);
    const BOOL picked = TrackPopupMenu(menu.get(), align | TPM_LEFTBUTTON | TPM_RETURNCMD, screenX,
                                       screenY, 0, owner, nullptr);
    PostMessageW(owner, WM_NULL, 0, 0);
    return static_cast<int>(picked);
}
