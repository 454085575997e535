#include "SettingsTable.h"

#include <cwctype>

namespace {

std::wstring Trim(const std::wstring& text)
{
    const size_t first = text.find_first_not_of(L" \t");
    if (first == std::wstring::npos)
        return std::wstring();
    const size_t last = text.find_last_not_of(L" \t");
    return text.substr(first, last - first + 1);
}

std::wstring Lower(std::wstring text)
{
    for (wchar_t& c : text)
        c = static_cast<wchar_t>(std::towlower(c));
    return text;
}

}  // namespace

void SettingsTable::Set(const std::wstring& key, const std::wstring& value)
{
    m_values[Lower(key)] = value;
}

std::wstring SettingsTable::Execute(const std::wstring& command)
{
    std::wstring answer;
    const std::wstring text = Trim(command);
    if (!text.empty() && text[0] == L'?') {
        const auto found = m_values.find(Lower(Trim(text.substr(1))));
        if (found != m_values.end())
            answer = found->second;
    } else {
        // Statements are separated by ";" outside double quotes; empty ones are allowed.
        std::wstring statement;
        bool quoted = false;
        for (const wchar_t c : text) {
            if (c == L'"')
                quoted = !quoted;
            if (c == L';' && !quoted) {
                Store(statement);
                statement.clear();
            } else {
                statement += c;
            }
        }
        Store(statement);
    }
    m_calls.push_back({command, answer});
    return answer;
}

void SettingsTable::Store(const std::wstring& statement)
{
    const size_t equals = statement.find(L'=');
    if (equals == std::wstring::npos)
        return;  // an empty statement or a host command: nothing to keep
    std::wstring value = Trim(statement.substr(equals + 1));
    if (value.size() >= 2 && value.front() == L'"' && value.back() == L'"')
        value = value.substr(1, value.size() - 2);
    Set(Trim(statement.substr(0, equals)), value);
}

HRESULT SettingsTable::QueryInterface(REFIID riid, void** ppv)
{
    if (!ppv)
        return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch)) {
        *ppv = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

HRESULT SettingsTable::GetTypeInfoCount(UINT* pctinfo)
{
    if (!pctinfo)
        return E_POINTER;
    *pctinfo = 0;
    return S_OK;
}

HRESULT SettingsTable::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO*,
                              UINT* argError)
{
    if (id != kExec || !(flags & DISPATCH_METHOD))
        return DISP_E_MEMBERNOTFOUND;
    if (!params || params->cArgs != 1)
        return DISP_E_BADPARAMCOUNT;

    VARIANT text;
    ::VariantInit(&text);
    if (FAILED(::VariantChangeType(&text, &params->rgvarg[0], 0, VT_BSTR))) {
        if (argError)
            *argError = 0;
        return DISP_E_TYPEMISMATCH;
    }
    const std::wstring command(text.bstrVal ? text.bstrVal : L"", text.bstrVal ? ::SysStringLen(text.bstrVal) : 0);
    ::VariantClear(&text);

    const std::wstring answer = Execute(command);
    if (result) {
        ::VariantInit(result);
        result->vt = VT_BSTR;
        result->bstrVal = ::SysAllocStringLen(answer.data(), static_cast<UINT>(answer.size()));
        if (!result->bstrVal)
            return E_OUTOFMEMORY;
    }
    return S_OK;
}
