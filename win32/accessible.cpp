#include "win32/accessible.h"

#include <initguid.h>  // defines the property ids here rather than needing a library of them
#include <oleacc.h>

#include "win32/wide.h"

namespace win32 {

namespace {

void SetProperty(HWND control, const MSAAPROPID& property, const std::string& text) {
  IAccPropServices* service = nullptr;
  if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                              reinterpret_cast<void**>(&service)))) {
    return;
  }
  service->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, property,
                          Wide(text).c_str());
  service->Release();
}

}  // namespace

void SetAccessible(HWND control, const std::string& name, const std::string& description) {
  SetProperty(control, PROPID_ACC_NAME, name);
  SetAccessibleDescription(control, description);
}

void SetAccessibleDescription(HWND control, const std::string& description) {
  SetProperty(control, PROPID_ACC_DESCRIPTION, description);
}

}  // namespace win32
