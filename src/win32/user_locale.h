#pragma once

#include <string>

// The decimal separator of the user's locale settings, in UTF-8; "." when Windows gives none.
std::string UserDecimalSeparator();
