#include "shell/language.h"

#include "base/text.h"

namespace {

constexpr const char* ZoomGerman =
    "Vergr\xC3\xB6\xC3\x9F"
    "erung";

}  // namespace

void ApplyLanguageTexts(const UserLocale& locale, OptionTable& options, std::string& appTitle,
                        int refreshIntervalMs) {
    if (locale.language == UiLanguage::German) {
        appTitle = AppTitleGerman;
        for (const OptionRow& row : OptionRows) {
            if (row.kind == ItemKind::Zoom) {
                options.SetCaption(row.index,
                                   ReplaceAll(options.Caption(row.index), "Zoom", ZoomGerman));
            } else if (!row.german.empty()) {
                options.SetCaption(row.index, std::string(row.german));
            }
        }
    }
    for (const auto& [index, caption] : locale.ownCaptions) {
        options.SetCaption(index, caption);
    }
    options.SetCaption(Item::AutoRefresh, ReplaceAll(options.Caption(Item::AutoRefresh), "%",
                                                     std::to_string(refreshIntervalMs)));
}
