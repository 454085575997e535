// Extension-module registration and the resource chain: templates, strings, icons and bitmaps
// are looked up in the registered extension modules first, then in the application, then in
// the application's libraries (this platform library).
#pragma once

#include "platform/afx/AfxExport.h"

#include <vector>

struct AFX_EXTENSION_MODULE {
    BOOL bInitialized = FALSE;
    HMODULE hModule = nullptr;
    HMODULE hResource = nullptr;
};

// Called from an extension module's entry point at process attach.
KIVFW_API BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule);
// Called at process detach: removes the module from the chain and frees its chain entries.
KIVFW_API void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll = FALSE);

// Puts a module's resources into the chain for as long as the object lives; extension modules
// allocate one with new at load time and AfxTermExtensionModule deletes it.
class KIVFW_API CDynLinkLibrary {
public:
    explicit CDynLinkLibrary(AFX_EXTENSION_MODULE& state);
    ~CDynLinkLibrary();
    CDynLinkLibrary(const CDynLinkLibrary&) = delete;
    CDynLinkLibrary& operator=(const CDynLinkLibrary&) = delete;

    HMODULE m_hModule;
    HMODULE m_hResource;
};

// The modules to search, in order: the registered extension modules, the application, and the
// platform library.
KIVFW_API std::vector<HINSTANCE> AfxResourceChain();
// The first module in the chain that holds the resource, or null.
KIVFW_API HINSTANCE AfxFindResourceHandle(LPCWSTR lpszName, LPCWSTR lpszType);
// The platform library's own module (its prompts live there).
KIVFW_API HINSTANCE AfxGetFrameworkHandle();
