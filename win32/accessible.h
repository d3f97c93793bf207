// What a screen reader says of a control: its name and description, given to Windows'
// accessibility through its annotation service, which overrides what the control says itself.
#pragma once

#include <windows.h>

#include <string>

namespace win32 {

// Does nothing where the service is missing. Needs COM on the calling thread.
void SetAccessible(HWND control, const std::string& name, const std::string& description);
void SetAccessibleDescription(HWND control, const std::string& description);

}  // namespace win32
