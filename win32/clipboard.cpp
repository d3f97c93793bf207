#include "win32/clipboard.h"

#include <cstring>

#include "win32/wide.h"

namespace win32 {

void CopyText(HWND owner, const std::string& utf8) {
  if (utf8.empty() || !OpenClipboard(owner)) return;
  std::wstring text;
  for (wchar_t c : Wide(utf8)) text += c == L'\n' ? std::wstring(L"\r\n") : std::wstring(1, c);
  EmptyClipboard();
  const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
    std::memcpy(GlobalLock(memory), text.c_str(), bytes);
    GlobalUnlock(memory);
    if (SetClipboardData(CF_UNICODETEXT, memory) == nullptr) GlobalFree(memory);
  }
  CloseClipboard();
}

}  // namespace win32
