#pragma once

#include <string>

// The About box's text: maker and title, version and build date, copyright, homepage, e-mail
// and the freeware note, every line ending with five blanks, lines split by CR LF.
std::string AboutText(const std::string& appTitle, const std::string& versionText,
                      const std::string& buildDate);

// A blank and the About item's caption without its access-key marks (" About ...").
std::string AboutTitle(const std::string& aboutCaption);
