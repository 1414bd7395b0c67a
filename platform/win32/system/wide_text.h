// Conversions between the UTF-8 texts the program holds everywhere and the UTF-16
// texts of the Windows API, made at the edge of the Windows layers only.
#pragma once

#include <string>
#include <string_view>

namespace c3ws::win32 {

std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view utf16);

}  // namespace c3ws::win32
