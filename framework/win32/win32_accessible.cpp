#include "framework/win32/win32_accessible.h"

#include <utility>

namespace {

bool IsSelf(const VARIANT& child) {
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

// A copy of `text` for the caller, who frees it.
HRESULT Answer(const std::wstring& text, BSTR* answer) {
    *answer = SysAllocString(text.c_str());
    return *answer != nullptr ? S_OK : E_OUTOFMEMORY;
}

// What a named control keeps: its name, its description and the window procedure it had.
struct ControlNames {
    std::wstring name;
    std::wstring description;
    WNDPROC procedure;
};

constexpr wchar_t kNamesProperty[] = L"VardolinNames";

LRESULT CALLBACK AnswerWithNames(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* names = static_cast<ControlNames*>(GetPropW(control, kNamesProperty));
    if (message == WM_GETOBJECT && static_cast<LONG>(lParam) == OBJID_CLIENT) {
        IAccessible* standard = nullptr;
        if (SUCCEEDED(CreateStdAccessibleObject(control, OBJID_CLIENT, __uuidof(IAccessible),
                                                reinterpret_cast<void**>(&standard)))) {
            auto* named = new NamedAccessible(control, standard, names->name, names->description);
            const LRESULT result = LresultFromObject(__uuidof(IAccessible), wParam, named);
            named->Release();
            return result;
        }
    }
    const WNDPROC procedure = names->procedure;
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure));
        RemovePropW(control, kNamesProperty);
        delete names;
    }
    return CallWindowProcW(procedure, control, message, wParam, lParam);
}

}  // namespace

void NameForScreenReaders(HWND control, const std::wstring& name, const std::wstring& description) {
    auto* names = new ControlNames{name, description, nullptr};
    SetPropW(control, kNamesProperty, names);
    names->procedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AnswerWithNames)));
}

NamedAccessible::NamedAccessible(HWND control, IAccessible* standard, std::wstring name,
                                 std::wstring description)
    : control_(control),
      standard_(standard),
      name_(std::move(name)),
      description_(std::move(description)) {}

NamedAccessible::~NamedAccessible() {
    standard_->Release();
}

HRESULT NamedAccessible::QueryInterface(REFIID riid, void** object) {
    if (riid == IID_IUnknown || riid == IID_IDispatch || riid == __uuidof(IAccessible)) {
        *object = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }
    return standard_->QueryInterface(riid, object);
}

ULONG NamedAccessible::AddRef() {
    return static_cast<ULONG>(InterlockedIncrement(&references_));
}

ULONG NamedAccessible::Release() {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) {
        delete this;
    }
    return static_cast<ULONG>(left);
}

HRESULT NamedAccessible::GetTypeInfoCount(UINT* count) {
    return standard_->GetTypeInfoCount(count);
}

HRESULT NamedAccessible::GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) {
    return standard_->GetTypeInfo(index, locale, info);
}

HRESULT NamedAccessible::GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID locale,
                                       DISPID* ids) {
    return standard_->GetIDsOfNames(riid, names, count, locale, ids);
}

HRESULT NamedAccessible::Invoke(DISPID id, REFIID riid, LCID locale, WORD flags,
                                DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception,
                                UINT* argumentError) {
    return standard_->Invoke(id, riid, locale, flags, parameters, result, exception, argumentError);
}

HRESULT NamedAccessible::get_accName(VARIANT child, BSTR* name) {
    return IsSelf(child) && !name_.empty() ? Answer(name_, name)
                                           : standard_->get_accName(child, name);
}

HRESULT NamedAccessible::get_accDescription(VARIANT child, BSTR* description) {
    return IsSelf(child) && !description_.empty()
               ? Answer(description_, description)
               : standard_->get_accDescription(child, description);
}

// Everything else is the platform's own answer.
HRESULT NamedAccessible::get_accParent(IDispatch** parent) {
    return standard_->get_accParent(parent);
}
HRESULT NamedAccessible::get_accChildCount(long* count) {
    return standard_->get_accChildCount(count);
}
HRESULT NamedAccessible::get_accChild(VARIANT child, IDispatch** object) {
    return standard_->get_accChild(child, object);
}
HRESULT NamedAccessible::get_accValue(VARIANT child, BSTR* value) {
    const HRESULT answered = standard_->get_accValue(child, value);
    wchar_t className[16] = {};
    GetClassNameW(control_, className, 16);
    if ((answered == S_OK && *value != nullptr) || !IsSelf(child) ||
        lstrcmpiW(className, L"ComboBox") != 0) {
        return answered;
    }
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control_)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(control_, text.data(), static_cast<int>(text.size()))));
    return Answer(text, value);
}
HRESULT NamedAccessible::get_accRole(VARIANT child, VARIANT* role) {
    return standard_->get_accRole(child, role);
}
HRESULT NamedAccessible::get_accState(VARIANT child, VARIANT* state) {
    return standard_->get_accState(child, state);
}
HRESULT NamedAccessible::get_accHelp(VARIANT child, BSTR* help) {
    return standard_->get_accHelp(child, help);
}
HRESULT NamedAccessible::get_accHelpTopic(BSTR* file, VARIANT child, long* topic) {
    return standard_->get_accHelpTopic(file, child, topic);
}
HRESULT NamedAccessible::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) {
    return standard_->get_accKeyboardShortcut(child, shortcut);
}
HRESULT NamedAccessible::get_accFocus(VARIANT* child) {
    return standard_->get_accFocus(child);
}
HRESULT NamedAccessible::get_accSelection(VARIANT* children) {
    return standard_->get_accSelection(children);
}
HRESULT NamedAccessible::get_accDefaultAction(VARIANT child, BSTR* action) {
    return standard_->get_accDefaultAction(child, action);
}
HRESULT NamedAccessible::accSelect(long flags, VARIANT child) {
    return standard_->accSelect(flags, child);
}
HRESULT NamedAccessible::accLocation(long* left, long* top, long* width, long* height,
                                     VARIANT child) {
    return standard_->accLocation(left, top, width, height, child);
}
HRESULT NamedAccessible::accNavigate(long direction, VARIANT start, VARIANT* end) {
    return standard_->accNavigate(direction, start, end);
}
HRESULT NamedAccessible::accHitTest(long left, long top, VARIANT* child) {
    return standard_->accHitTest(left, top, child);
}
HRESULT NamedAccessible::accDoDefaultAction(VARIANT child) {
    return standard_->accDoDefaultAction(child);
}
HRESULT NamedAccessible::put_accName(VARIANT child, BSTR name) {
    return standard_->put_accName(child, name);
}
HRESULT NamedAccessible::put_accValue(VARIANT child, BSTR value) {
    return standard_->put_accValue(child, value);
}
