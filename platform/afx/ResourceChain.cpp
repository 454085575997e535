#include "platform/afx/ResourceChain.h"

#include <algorithm>

namespace {

std::vector<CDynLinkLibrary*>& Libraries()
{
    static std::vector<CDynLinkLibrary*> libraries;
    return libraries;
}

}  // namespace

BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule)
{
    if (state.bInitialized)
        return TRUE;
    state.hModule = hModule;
    state.hResource = hModule;
    state.bInitialized = TRUE;
    return TRUE;
}

void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL /*bAll*/)
{
    if (!state.bInitialized)
        return;
    auto& libraries = Libraries();
    std::vector<CDynLinkLibrary*> owned;
    for (CDynLinkLibrary* library : libraries) {
        if (library->m_hModule == state.hModule)
            owned.push_back(library);
    }
    for (CDynLinkLibrary* library : owned)
        delete library;  // the destructor unlinks it
    state.bInitialized = FALSE;
}

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state)
    : m_hModule(state.hModule), m_hResource(state.hResource)
{
    Libraries().push_back(this);
}

CDynLinkLibrary::~CDynLinkLibrary()
{
    auto& libraries = Libraries();
    libraries.erase(std::remove(libraries.begin(), libraries.end(), this), libraries.end());
}

std::vector<HINSTANCE> AfxResourceChain()
{
    std::vector<HINSTANCE> chain;
    for (const CDynLinkLibrary* library : Libraries())
        chain.push_back(library->m_hResource);
    chain.push_back(::GetModuleHandleW(nullptr));
    // The application's libraries are resource modules of the application too (the skin bitmaps
    // of the control library live there); they come last, after the application itself.
    chain.push_back(AfxGetFrameworkHandle());
    return chain;
}

HINSTANCE AfxFindResourceHandle(LPCWSTR lpszName, LPCWSTR lpszType)
{
    for (HINSTANCE module : AfxResourceChain()) {
        if (::FindResourceW(module, lpszName, lpszType))
            return module;
    }
    return nullptr;
}

HINSTANCE AfxGetFrameworkHandle()
{
    HMODULE module = nullptr;
    ::GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                         reinterpret_cast<LPCWSTR>(&AfxGetFrameworkHandle), &module);
    return module;
}
