// acc ID: what a screen reader reads of a control, through the accessibility interface it takes.
#include "host/core/DriverDetail.h"

#include <oleacc.h>

#include <cwchar>
#include <string>

namespace kivhost::detail {

namespace {

std::wstring TakeBstr(BSTR text)
{
    std::wstring value = text ? std::wstring(text, ::SysStringLen(text)) : std::wstring();
    ::SysFreeString(text);
    return value;
}

std::wstring RoleText(IAccessible& object, const VARIANT& child)
{
    VARIANT role;
    ::VariantInit(&role);
    std::wstring text;
    if (SUCCEEDED(object.get_accRole(child, &role))) {
        if (role.vt == VT_I4) {
            wchar_t buffer[128] = {};
            ::GetRoleTextW(static_cast<DWORD>(role.lVal), buffer, 128);
            text = buffer;
        } else if (role.vt == VT_BSTR) {
            text = std::wstring(role.bstrVal, ::SysStringLen(role.bstrVal));
        }
    }
    ::VariantClear(&role);
    return text;
}

// The state bits as their names, joined by commas ("normal" for none).
std::wstring StateText(IAccessible& object, const VARIANT& child)
{
    VARIANT state;
    ::VariantInit(&state);
    std::wstring text;
    const DWORD bits = SUCCEEDED(object.get_accState(child, &state)) && state.vt == VT_I4 ? state.lVal : 0;
    wchar_t buffer[128] = {};
    for (DWORD bit = 1; bit != 0 && bit <= STATE_SYSTEM_VALID; bit <<= 1) {
        if (!(bits & bit))
            continue;
        ::GetStateTextW(bit, buffer, 128);
        text += (text.empty() ? L"" : L",") + std::wstring(buffer);
    }
    if (text.empty()) {
        ::GetStateTextW(0, buffer, 128);
        text = buffer;
    }
    ::VariantClear(&state);
    return text;
}

void JournalChild(ActionContext& context, const std::wstring& id, IAccessible& object, long nChild)
{
    VARIANT child;
    ::VariantInit(&child);
    child.vt = VT_I4;
    child.lVal = nChild;
    BSTR name = nullptr;
    BSTR description = nullptr;
    object.get_accName(child, &name);
    object.get_accDescription(child, &description);
    context.journal.Note(L"acc " + id + L" " + std::to_wstring(nChild) + L" role=" + RoleText(object, child) +
                         L" name=" + TakeBstr(name) + L" state=" + StateText(object, child) +
                         L" description=" + TakeBstr(description));
}

void Acc(ActionContext& context, const Action& action)
{
    IAccessible* object = nullptr;
    const HRESULT hr = ::AccessibleObjectFromWindow(context.control, OBJID_CLIENT, __uuidof(IAccessible),
                                                    reinterpret_cast<void**>(&object));
    if (FAILED(hr) || !object) {
        wchar_t code[16];
        std::swprintf(code, 16, L"0x%08lX", static_cast<unsigned long>(hr));
        context.Fail(L"acc " + action.args[0] + L": the control gives no accessible object (" + code + L")");
        return;
    }
    long children = 0;
    if (FAILED(object->get_accChildCount(&children)))
        children = 0;
    for (long child = 0; child <= children; ++child)
        JournalChild(context, action.args[0], *object, child);
    object->Release();
}

}  // namespace

std::vector<Verb> AccessibilityVerbs()
{
    return {
        {L"acc", 1, Target::Control, nullptr, &Acc},
    };
}

}  // namespace kivhost::detail
