// uia-probe: what a Windows screen reader gets from UI Automation for the
// top-level window with a given title: its name and control type, printed as
// "<name>\t<control type id>" (UTF-8). Used by the Windows end-to-end check.
//   uia-probe.exe "<window title>"
#include <windows.h>
#include <oleauto.h>

#include <cstdio>
#include <string>

namespace {

using UiaNode = void*;
using NodeFromHandle = HRESULT(WINAPI*)(HWND, UiaNode*);
using GetPropertyValue = HRESULT(WINAPI*)(UiaNode, int, VARIANT*);
using NodeRelease = BOOL(WINAPI*)(UiaNode);
constexpr int kNameProperty = 30005;         // UIA_NamePropertyId
constexpr int kControlTypeProperty = 30003;  // UIA_ControlTypePropertyId

std::string Utf8(const wchar_t* text) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string out(size > 0 ? size - 1 : 0, '\0');
  if (size > 1) WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), size, nullptr, nullptr);
  return out;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) {
    std::fputs("usage: uia-probe TITLE\n", stderr);
    return 2;
  }
  CoInitializeEx(nullptr, COINIT_MULTITHREADED);
  const HWND window = FindWindowW(nullptr, argv[1]);
  // The client side of UI Automation, loaded by name: MinGW has no import
  // library for it.
  const HMODULE uia = LoadLibraryW(L"uiautomationcore.dll");
  const auto fromHandle =
      reinterpret_cast<NodeFromHandle>(reinterpret_cast<void*>(GetProcAddress(uia, "UiaNodeFromHandle")));
  const auto getProperty =
      reinterpret_cast<GetPropertyValue>(reinterpret_cast<void*>(GetProcAddress(uia, "UiaGetPropertyValue")));
  const auto release =
      reinterpret_cast<NodeRelease>(reinterpret_cast<void*>(GetProcAddress(uia, "UiaNodeRelease")));
  UiaNode node = nullptr;
  if (window == nullptr || fromHandle == nullptr || getProperty == nullptr ||
      FAILED(fromHandle(window, &node)) || node == nullptr) {
    std::fputs("uia-probe: no UI Automation element for that window\n", stderr);
    return 1;
  }
  VARIANT name, type;
  VariantInit(&name);
  VariantInit(&type);
  getProperty(node, kNameProperty, &name);
  getProperty(node, kControlTypeProperty, &type);
  std::printf("%s\t%ld\n", name.vt == VT_BSTR ? Utf8(name.bstrVal).c_str() : "",
              type.vt == VT_I4 ? static_cast<long>(type.lVal) : -1L);
  VariantClear(&name);
  if (release != nullptr) release(node);
  return 0;
}
