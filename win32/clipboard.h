// Text onto Windows' clipboard.
#pragma once

#include <windows.h>

#include <string>

namespace win32 {

// As plain text, with Windows' line breaks; nothing for an empty text.
void CopyText(HWND owner, const std::string& utf8);

}  // namespace win32
