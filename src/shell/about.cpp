#include "shell/about.h"

#include "base/text.h"

namespace {

constexpr const char* LineEnd = "     \r\n";
constexpr const char* ParagraphEnd = "     \r\n\r\n";
// Left empty rather than made up.
constexpr const char* Homepage = "";
constexpr const char* EMail = "";

}  // namespace

std::string AboutText(const std::string& appTitle, const std::string& versionText,
                      const std::string& buildDate) {
    std::string text = "Korvane " + appTitle + LineEnd;
    text += "Version " + versionText + "  [" + buildDate + "]" + ParagraphEnd;
    text += "Copyright \xC2\xA9 " + buildDate.substr(0, 4) + " Korvane" + ParagraphEnd;
    text += std::string("Homepage:     ") + Homepage + LineEnd;
    text += std::string("eMail:              ") + EMail + ParagraphEnd;
    text += std::string("This program is freeware.") + ParagraphEnd;
    return text;
}

std::string AboutTitle(const std::string& aboutCaption) {
    std::string title = " ";  // appended, not prepended: GCC 12 misreads the insert as overlapping
    title += ReplaceAll(aboutCaption, "&", "");
    return title;
}
