// The automation object that this application gives the module: a small table of settings that
// understands just enough of the command language for the dialog it opens. A query ("? Key")
// answers the key's text, a statement ("Key = Value", several joined by ";") stores the value,
// and anything else (a refresh command such as "Show Stellar") is answered with an empty text.
// Every command and its answer are kept in order, for the program to print.
#pragma once

#include <oaidl.h>

#include <map>
#include <string>
#include <vector>

class SettingsTable final : public IDispatch {
public:
    // The module calls method 2 with one text and takes one text back.
    static constexpr DISPID kExec = 2;

    struct Call {
        std::wstring command;
        std::wstring answer;
    };

    void Set(const std::wstring& key, const std::wstring& value);
    std::wstring Execute(const std::wstring& command);
    const std::vector<Call>& Calls() const { return m_calls; }

    // IUnknown: the object lives on the program's stack, so the count is only kept for COM's sake.
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return ++m_refs; }
    ULONG STDMETHODCALLTYPE Release() override { return --m_refs; }

    // IDispatch: no type information; only Invoke with method 2 is served.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* pctinfo) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                                     EXCEPINFO*, UINT* argError) override;

private:
    void Store(const std::wstring& statement);

    std::map<std::wstring, std::wstring> m_values;  // by key in lower case: key paths ignore case
    std::vector<Call> m_calls;
    ULONG m_refs = 1;
};
