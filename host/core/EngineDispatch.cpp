#include "host/core/EngineDispatch.h"

#include "host/core/Utf.h"

namespace kivhost {

namespace {

bool IsQuery(const std::wstring& command)
{
    const size_t first = command.find_first_not_of(L" \t");
    return first != std::wstring::npos && command[first] == L'?';
}

}  // namespace

HRESULT EngineDispatch::QueryInterface(REFIID riid, void** ppv)
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

HRESULT EngineDispatch::GetTypeInfoCount(UINT* pctinfo)
{
    if (!pctinfo)
        return E_POINTER;
    *pctinfo = 0;
    return S_OK;
}

HRESULT EngineDispatch::GetTypeInfo(UINT, LCID, ITypeInfo**)
{
    return E_NOTIMPL;
}

HRESULT EngineDispatch::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids)
{
    if (!names || !ids || count == 0)
        return E_INVALIDARG;
    HRESULT hr = S_OK;
    for (UINT i = 0; i < count; ++i) {
        ids[i] = DISPID_UNKNOWN;
        if (i == 0 && names[0] && ::CompareStringOrdinal(names[0], -1, L"Exec", -1, TRUE) == CSTR_EQUAL)
            ids[0] = kExec;
        else
            hr = DISP_E_UNKNOWNNAME;
    }
    return hr;
}

std::wstring EngineDispatch::Execute(const std::wstring& command)
{
    std::wstring answer;
    try {
        answer = FromUtf8(m_engine.Execute(ToUtf8(command)));
    } catch (const std::exception&) {
        answer = L"ERROR: the engine failed on this command";
    }
    m_journal.Command(command, answer);
    return answer;
}

HRESULT EngineDispatch::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                               EXCEPINFO*, UINT* argError)
{
    if (id != kExec || !(flags & DISPATCH_METHOD))
        return DISP_E_MEMBERNOTFOUND;
    if (!params || params->cArgs != 1)
        return DISP_E_BADPARAMCOUNT;
    if (params->cNamedArgs != 0)
        return DISP_E_NONAMEDARGS;

    VARIANT text;
    ::VariantInit(&text);
    if (FAILED(::VariantChangeType(&text, &params->rgvarg[0], 0, VT_BSTR))) {
        if (argError)
            *argError = 0;
        return DISP_E_TYPEMISMATCH;
    }
    const std::wstring command(text.bstrVal ? text.bstrVal : L"", text.bstrVal ? ::SysStringLen(text.bstrVal) : 0);
    ::VariantClear(&text);

    std::wstring engineAnswer;
    const std::wstring* answer = nullptr;
    HostileKind kind{};
    if (m_hostile && IsQuery(command) && (answer = m_hostile->Next(kind)) != nullptr) {
        m_journal.Command(command, *answer);
        m_journal.Note(std::wstring(L"hostile ") + HostileKindName(kind));
        if (kind == HostileKind::FailedCall)
            return E_FAIL;
    } else {
        engineAnswer = Execute(command);
        answer = &engineAnswer;
    }
    if (result) {
        ::VariantInit(result);
        result->vt = VT_BSTR;
        result->bstrVal = ::SysAllocStringLen(answer->data(), static_cast<UINT>(answer->size()));
        if (!result->bstrVal)
            return E_OUTOFMEMORY;
    }
    return S_OK;
}

}  // namespace kivhost
