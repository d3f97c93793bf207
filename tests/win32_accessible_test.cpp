// What the Windows window tells a screen reader, as the annotation service of Windows' accessibility
// receives it: the test stands in for that service (a class object of its own registered for the
// process), so the words are read as the window gave them, on Windows and under Wine alike.
#include <initguid.h>  // defines the property ids here rather than needing a library of them
#include <oleacc.h>

#include <map>

#include "model/combination.h"
#include "tests/win32_driver.h"
#include "window/controls.h"

namespace {

using namespace test;

// Every text given to a window's accessible name or description, the last one kept.
std::map<HWND, std::string> names, descriptions;

class Annotations final : public IAccPropServices, public IClassFactory {
 public:
  // IUnknown, for both interfaces; the one object lives as long as the test program.
  HRESULT WINAPI QueryInterface(REFIID iid, void** out) override {
    if (iid == IID_IUnknown || iid == IID_IAccPropServices) {
      *out = static_cast<IAccPropServices*>(this);
    } else if (iid == IID_IClassFactory) {
      *out = static_cast<IClassFactory*>(this);
    } else {
      *out = nullptr;
      return E_NOINTERFACE;
    }
    return S_OK;
  }
  ULONG WINAPI AddRef() override { return 2; }
  ULONG WINAPI Release() override { return 1; }

  // IClassFactory: CoCreateInstance of the service finds this.
  HRESULT WINAPI CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
    return outer ? CLASS_E_NOAGGREGATION : QueryInterface(iid, out);
  }
  HRESULT WINAPI LockServer(BOOL) override { return S_OK; }

  HRESULT WINAPI SetHwndPropStr(HWND hwnd, DWORD object, DWORD child, MSAAPROPID property,
                                LPCWSTR text) override {
    if (object != static_cast<DWORD>(OBJID_CLIENT) || child != CHILDID_SELF) return E_INVALIDARG;
    if (property == PROPID_ACC_NAME) names[hwnd] = win32::Utf8(text);
    if (property == PROPID_ACC_DESCRIPTION) descriptions[hwnd] = win32::Utf8(text);
    return S_OK;
  }

  // The rest of the service is not asked for.
  HRESULT WINAPI SetPropValue(const BYTE*, DWORD, MSAAPROPID, VARIANT) override { return E_NOTIMPL; }
  HRESULT WINAPI SetPropServer(const BYTE*, DWORD, const MSAAPROPID*, int, IAccPropServer*,
                               AnnoScope) override {
    return E_NOTIMPL;
  }
  HRESULT WINAPI ClearProps(const BYTE*, DWORD, const MSAAPROPID*, int) override { return E_NOTIMPL; }
  HRESULT WINAPI SetHwndProp(HWND, DWORD, DWORD, MSAAPROPID, VARIANT) override { return E_NOTIMPL; }
  HRESULT WINAPI SetHwndPropServer(HWND, DWORD, DWORD, const MSAAPROPID*, int, IAccPropServer*,
                                   AnnoScope) override {
    return E_NOTIMPL;
  }
  HRESULT WINAPI ClearHwndProps(HWND, DWORD, DWORD, const MSAAPROPID*, int) override { return E_NOTIMPL; }
  HRESULT WINAPI ComposeHwndIdentityString(HWND, DWORD, DWORD, BYTE**, DWORD*) override { return E_NOTIMPL; }
  HRESULT WINAPI DecomposeHwndIdentityString(const BYTE*, DWORD, HWND*, DWORD*, DWORD*) override {
    return E_NOTIMPL;
  }
  HRESULT WINAPI SetHmenuProp(HMENU, DWORD, MSAAPROPID, VARIANT) override { return E_NOTIMPL; }
  HRESULT WINAPI SetHmenuPropStr(HMENU, DWORD, MSAAPROPID, LPCWSTR) override { return E_NOTIMPL; }
  HRESULT WINAPI SetHmenuPropServer(HMENU, DWORD, const MSAAPROPID*, int, IAccPropServer*,
                                    AnnoScope) override {
    return E_NOTIMPL;
  }
  HRESULT WINAPI ClearHmenuProps(HMENU, DWORD, const MSAAPROPID*, int) override { return E_NOTIMPL; }
  HRESULT WINAPI ComposeHmenuIdentityString(HMENU, DWORD, BYTE**, DWORD*) override { return E_NOTIMPL; }
  HRESULT WINAPI DecomposeHmenuIdentityString(const BYTE*, DWORD, HMENU*, DWORD*) override {
    return E_NOTIMPL;
  }
};

Annotations annotations;

constexpr char kCopyHint[] = "\nCtrl+Shift+C копира цялото решение като текст.";

bool EndsWith(const std::string& text, std::string_view end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// Each control is named and described as the table says; a value box's description ends with how
// to copy the solution, before a calculation and after it, its working included.
TEST(Win32Accessible, EveryControlIsNamedAndEachBoxTellsHowToCopy) {
  Shown w(runtime::CSettings());
  for (const panel::ControlSpec& s : panel::Controls()) {
    HWND control = w.Item(s.control, s.element);
    EXPECT_EQ(names[control], s.name) << s.name;
    if (s.control == Control::Text2) {
      EXPECT_EQ(descriptions[control], s.description + kCopyHint) << s.name;
    } else {
      EXPECT_EQ(descriptions[control], s.description) << s.name;
    }
  }
  for (int i : {0, 1, 2}) Type(w.Item(Control::Text2, i), i == 0 ? "8" : i == 1 ? "5" : "2");
  Click(w.Item(Control::Command1, 0));
  const std::string h = descriptions[w.Item(Control::Text2, 3)];
  EXPECT_NE(h.find("\nh = √(b² − x²) = √(5² − 3²) = √16 = 4"), std::string::npos) << h;
  for (int i = 0; i < 6; ++i) {
    EXPECT_TRUE(EndsWith(descriptions[w.Item(Control::Text2, i)], kCopyHint)) << i;
  }
}

}  // namespace

int main(int argc, char** argv) {
  test::StartWindows();
  DWORD cookie = 0;
  if (FAILED(CoRegisterClassObject(CLSID_AccPropServices, static_cast<IClassFactory*>(&annotations),
                                   CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE, &cookie))) {
    return 1;
  }
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
