#include "app/win32/automation_browser.h"

#include <windows.h>

#include <ole2.h>
#include <oleauto.h>
#include <shellapi.h>

#include "app/win32/wide_text.h"

namespace varnel::win32 {

namespace {

// Releases the automation object when the operation ends; the browser window lives on its own.
class DispatchRef {
public:
    DispatchRef() = default;
    ~DispatchRef() {
        if (object_ != nullptr) {
            object_->Release();
        }
    }
    DispatchRef(const DispatchRef&) = delete;
    DispatchRef& operator=(const DispatchRef&) = delete;
    IDispatch** Out() { return &object_; }
    [[nodiscard]] IDispatch* Get() const { return object_; }

private:
    IDispatch* object_ = nullptr;
};

class Bstr {
public:
    explicit Bstr(const std::wstring& text)
        : value_(SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {}
    ~Bstr() { SysFreeString(value_); }
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    [[nodiscard]] BSTR Get() const { return value_; }

private:
    BSTR value_;
};

bool CreateObject(const std::wstring& progId, DispatchRef& object) {
    CLSID clsid{};
    if (FAILED(CLSIDFromProgID(progId.c_str(), &clsid))) {
        return false;
    }
    HRESULT created = CoCreateInstance(clsid, nullptr, CLSCTX_ALL, IID_IDispatch,
                                       reinterpret_cast<void**>(object.Out()));
    if (created == E_INVALIDARG) {
        // Some systems refuse the remote context; ask for the local ones only.
        created = CoCreateInstance(
            clsid, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER | CLSCTX_LOCAL_SERVER,
            IID_IDispatch, reinterpret_cast<void**>(object.Out()));
    }
    if (FAILED(created) || object.Get() == nullptr) {
        return false;
    }
    return SUCCEEDED(OleRun(object.Get()));
}

DISPID MemberId(IDispatch* object, const wchar_t* name) {
    DISPID id = DISPID_UNKNOWN;
    auto* names = const_cast<LPOLESTR>(name);
    if (FAILED(object->GetIDsOfNames(IID_NULL, &names, 1, LOCALE_USER_DEFAULT, &id))) {
        return DISPID_UNKNOWN;
    }
    return id;
}

bool PutVisible(IDispatch* object, bool visible) {
    const DISPID id = MemberId(object, L"Visible");
    if (id == DISPID_UNKNOWN) {
        return false;
    }
    VARIANT value;
    VariantInit(&value);
    value.vt = VT_BOOL;
    value.boolVal = visible ? VARIANT_TRUE : VARIANT_FALSE;
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS params{&value, &named, 1, 1};
    return SUCCEEDED(object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT,
                                    &params, nullptr, nullptr, nullptr));
}

bool Navigate(IDispatch* object, const std::wstring& address) {
    const DISPID id = MemberId(object, L"Navigate");
    if (id == DISPID_UNKNOWN) {
        return false;
    }
    const Bstr text(address);
    VARIANT argument;
    VariantInit(&argument);
    argument.vt = VT_BSTR;
    argument.bstrVal = text.Get();
    DISPPARAMS params{&argument, nullptr, 1, 0};
    return SUCCEEDED(object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params,
                                    nullptr, nullptr, nullptr));
}

} // namespace

AutomationBrowser::AutomationBrowser(std::wstring progId, DefaultBrowser defaultBrowser)
    : progId_(std::move(progId)), defaultBrowser_(std::move(defaultBrowser)) {}

bool AutomationBrowser::OpenPageInBrowser(std::string_view address, bool hidden) {
    const std::wstring wide = WideFromGbk(address);
    {
        DispatchRef browser;
        if (CreateObject(progId_, browser)) {
            // A failed Visible still leaves Navigate to try; only its result counts.
            (void)PutVisible(browser.Get(), !hidden);
            if (Navigate(browser.Get(), wide)) {
                return true;
            }
        }
    }
    if (hidden || !defaultBrowser_) {
        return false;
    }
    return defaultBrowser_(wide);
}

bool AutomationBrowser::OpenWithShell(const std::wstring& address) {
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteW(nullptr, L"open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return result > 32;
}

} // namespace varnel::win32
