// UTF-8, as the core keeps its texts, to and from the UTF-16 of the Windows API.
#pragma once

#include <string>
#include <string_view>

namespace win32 {

std::wstring Wide(std::string_view utf8);
std::string Utf8(std::wstring_view wide);

}  // namespace win32
