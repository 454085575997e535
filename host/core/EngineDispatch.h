// The script engine behind a real automation object: method id 2 ("Exec") takes the command text
// and returns the answer text, the way the application exposes its engine to the module.
#pragma once

#include "host/core/HostileAnswers.h"
#include "host/core/Journal.h"
#include "host/engine/ScriptEngine.h"

#include <oaidl.h>

namespace kivhost {

class EngineDispatch final : public IDispatch {
public:
    EngineDispatch(kiv::engine::ScriptEngine& engine, Journal& journal) : m_engine(engine), m_journal(journal) {}
    EngineDispatch(const EngineDispatch&) = delete;
    EngineDispatch& operator=(const EngineDispatch&) = delete;

    static constexpr DISPID kExec = 2;

    // IUnknown. The host owns the object; the count is kept for COM's sake only.
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return ++m_refs; }
    ULONG STDMETHODCALLTYPE Release() override { return --m_refs; }

    // IDispatch
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* pctinfo) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                                     EXCEPINFO* exception, UINT* argError) override;

    // One command through the engine, journaled; what Invoke does once it has the text.
    std::wstring Execute(const std::wstring& command);

    // From now on queries may get hostile answers (nullptr: the engine's answers only).
    void SetHostile(HostileAnswers* hostile) { m_hostile = hostile; }

private:
    kiv::engine::ScriptEngine& m_engine;
    Journal& m_journal;
    HostileAnswers* m_hostile = nullptr;
    ULONG m_refs = 1;
};

}  // namespace kivhost
