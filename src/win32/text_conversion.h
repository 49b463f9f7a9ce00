#pragma once

#include <string>

// The program's texts are UTF-8; Windows speaks UTF-16.
std::wstring Widen(const std::string& utf8);
std::string Narrow(const std::wstring& utf16);
