#include "tests/win32/probe_names.h"

#include <oleacc.h>

#include <cstdio>
#include <string>

namespace {

std::string Utf8(BSTR text) {
    if (text == nullptr) {
        return "-";
    }
    const int length = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<std::size_t>(length > 0 ? length - 1 : 0), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, result.data(), length, nullptr, nullptr);
    SysFreeString(text);
    return result;
}

}  // namespace

int PrintAccessibleNames(HWND window) {
    CoInitialize(nullptr);
    int failures = 0;
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t className[64] = {};
        GetClassNameW(child, className, 64);
        if (lstrcmpiW(className, L"Static") == 0) {
            continue;
        }
        IAccessible* accessible = nullptr;
        if (FAILED(AccessibleObjectFromWindow(child, static_cast<DWORD>(OBJID_CLIENT),
                                              __uuidof(IAccessible),
                                              reinterpret_cast<void**>(&accessible)))) {
            std::printf("%d|no accessible object\n", GetDlgCtrlID(child));
            ++failures;
            continue;
        }
        VARIANT self;
        VariantInit(&self);
        self.vt = VT_I4;
        self.lVal = CHILDID_SELF;
        BSTR name = nullptr;
        BSTR description = nullptr;
        BSTR value = nullptr;
        accessible->get_accName(self, &name);
        accessible->get_accDescription(self, &description);
        accessible->get_accValue(self, &value);
        std::printf("%d|%s|%s|%s\n", GetDlgCtrlID(child), Utf8(name).c_str(),
                    Utf8(description).c_str(), Utf8(value).c_str());
        accessible->Release();
    }
    CoUninitialize();
    return failures;
}
