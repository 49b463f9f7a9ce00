#pragma once

#include <string>

// The decimal separator of the user's LC_NUMERIC locale, in UTF-8; "." when the locale gives
// none that is. LC_NUMERIC is "C" again afterwards, so that every other number text (the stored
// settings among them) keeps "." whatever the user's locale.
std::string LocaleDecimalSeparator();
