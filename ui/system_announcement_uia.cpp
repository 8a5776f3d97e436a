// On Windows, Qt's UI Automation bridge turns the spoken status's events into
// a system sound at most, so the words are raised as a UI Automation
// notification (Windows 10 1709 and later), which screen readers speak. The
// notification needs a provider: a small one hosted on the window's handle,
// which UI Automation joins to the window's own element.
#include <windows.h>
#include <ole2.h>
#include <oleauto.h>
#include <uiautomationcore.h>

#include <QWidget>

#include "system_announcement.h"

namespace lorvane {

namespace {

// From uiautomationcoreapi.h of newer SDKs than MinGW's.
constexpr int kNotificationKindOther = 4;
constexpr int kNotificationProcessingAll = 2;
using RaiseNotification = HRESULT(WINAPI*)(IRawElementProviderSimple*, int kind,
                                           int processing, BSTR text, BSTR activity);
using HostProviderFromHwnd = HRESULT(WINAPI*)(HWND, IRawElementProviderSimple**);

// UI Automation's functions, looked up once: older systems lack the
// notification, and MinGW has no import library for the DLL.
struct UiaFunctions {
  RaiseNotification raise = nullptr;
  HostProviderFromHwnd host = nullptr;

  UiaFunctions() {
    const HMODULE dll = LoadLibraryW(L"uiautomationcore.dll");
    if (dll == nullptr) return;
    raise = reinterpret_cast<RaiseNotification>(
        reinterpret_cast<void*>(GetProcAddress(dll, "UiaRaiseNotificationEvent")));
    host = reinterpret_cast<HostProviderFromHwnd>(
        reinterpret_cast<void*>(GetProcAddress(dll, "UiaHostProviderFromHwnd")));
  }
};

const UiaFunctions& Uia() {
  static const UiaFunctions functions;
  return functions;
}

// A provider with nothing of its own but its host, the window.
class WindowHostedProvider : public IRawElementProviderSimple {
 public:
  explicit WindowHostedProvider(HWND window) : window_(window) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (out == nullptr) return E_POINTER;
    if (iid == __uuidof(IUnknown) || iid == __uuidof(IRawElementProviderSimple)) {
      *out = static_cast<IRawElementProviderSimple*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return left;
  }

  HRESULT STDMETHODCALLTYPE get_ProviderOptions(ProviderOptions* options) override {
    if (options == nullptr) return E_POINTER;
    *options = ProviderOptions_ServerSideProvider;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetPatternProvider(PATTERNID, IUnknown** pattern) override {
    if (pattern == nullptr) return E_POINTER;
    *pattern = nullptr;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetPropertyValue(PROPERTYID, VARIANT* value) override {
    if (value == nullptr) return E_POINTER;
    value->vt = VT_EMPTY;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_HostRawElementProvider(IRawElementProviderSimple** host) override {
    if (host == nullptr) return E_POINTER;
    *host = nullptr;
    return Uia().host ? Uia().host(window_, host) : E_NOTIMPL;
  }

 private:
  virtual ~WindowHostedProvider() = default;

  LONG references_ = 1;
  HWND window_;
};

}  // namespace

void AnnounceToSystem(QWidget* window, const QString& text) {
  if (Uia().raise == nullptr || Uia().host == nullptr || window == nullptr || text.isEmpty()) return;
  const HWND handle = reinterpret_cast<HWND>(window->winId());
  WindowHostedProvider* provider = new WindowHostedProvider(handle);
  BSTR words = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.utf16()), text.size());
  BSTR activity = SysAllocString(L"Lorvane");
  Uia().raise(provider, kNotificationKindOther, kNotificationProcessingAll, words, activity);
  SysFreeString(activity);
  SysFreeString(words);
  provider->Release();
}

}  // namespace lorvane
