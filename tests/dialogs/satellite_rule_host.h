// A host for the satellite dialog that answers from a rule instead of a sky: position p holds
// satellite p, named "SAT p", so that a catalogue of any size costs nothing to set up, and the
// number answer of any position can be replaced by another text or by a failed call.
#pragma once

#include "channel/CorZen.h"

#include <oaidl.h>

#include <algorithm>
#include <cwchar>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace kivtest::sat {

class RuleHost final : public IDispatch {
public:
    explicit RuleHost(int count) : m_count(count) { m_channel.SetControlDispatch(this); }
    RuleHost(const RuleHost&) = delete;
    RuleHost& operator=(const RuleHost&) = delete;

    CCorZen* Channel() { return &m_channel; }
    // The number answer of position p; std::nullopt makes that call fail.
    void SetNumberAnswer(int p, std::optional<std::wstring> answer) { m_numbers[p] = std::move(answer); }
    // Satellites with a local name (the major ones).
    void SetMajor(int number) { m_major.push_back(number); }
    // What the dialog told the host, in order.
    const std::vector<std::wstring>& Statements() const { return m_statements; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override
    {
        if (!ppv)
            return E_POINTER;
        const bool known = IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch);
        *ppv = known ? static_cast<IDispatch*>(this) : nullptr;
        return *ppv ? S_OK : E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override { return count ? (*count = 0, S_OK) : E_POINTER; }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT* result, EXCEPINFO*,
                                     UINT*) override
    {
        if (!params || params->cArgs != 1 || params->rgvarg[0].vt != VT_BSTR)
            return DISP_E_BADPARAMCOUNT;
        const std::wstring command(params->rgvarg[0].bstrVal ? params->rgvarg[0].bstrVal : L"");
        const std::optional<std::wstring> answer = Answer(command);
        if (!answer)
            return E_FAIL;
        if (result) {
            ::VariantInit(result);
            result->vt = VT_BSTR;
            result->bstrVal = ::SysAllocStringLen(answer->data(), static_cast<UINT>(answer->size()));
        }
        return S_OK;
    }

private:
    std::optional<std::wstring> Answer(const std::wstring& command)
    {
        if (command.rfind(L"? ", 0) != 0) {
            m_statements.push_back(command);
            return L"OK";
        }
        const std::wstring key = command.substr(2);
        if (key == L"ArtificialSatellite.Count")
            return std::to_wstring(m_count);
        if (key == L"ArtificialSatellite.Name.Visible")
            return L"TRUE";
        if (key == L"ArtificialSatellite.Magnitude")
            return L"4.0";
        int n = 0;
        wchar_t field[32] = {};
        if (std::swscanf(key.c_str(), L"ArtificialSatellite.No%d.%31ls", &n, field) == 2) {
            const std::wstring name(field);
            if (name == L"Number") {
                const auto replaced = m_numbers.find(n);
                return replaced != m_numbers.end() ? replaced->second : std::to_wstring(n);
            }
            if (name == L"TLEName")
                return L"SAT " + std::to_wstring(n);
            return L"FALSE";  // Visible
        }
        if (std::swscanf(key.c_str(), L"ArtificialSatellite.%d.%31ls", &n, field) == 2) {
            const bool major = std::find(m_major.begin(), m_major.end(), n) != m_major.end();
            return std::wstring(field) == L"LocalName" ? (major ? L"MAJOR" : L"") : L"TYPE";
        }
        return L"";
    }

    int m_count;
    std::map<int, std::optional<std::wstring>> m_numbers;
    std::vector<int> m_major;
    std::vector<std::wstring> m_statements;
    CCorZen m_channel;
};

}  // namespace kivtest::sat
