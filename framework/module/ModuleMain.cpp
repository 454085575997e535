// The module's entry point: it registers the module as an extension module of the framework, so
// that its templates, strings and icons are found through the resource chain. Nothing else runs
// at load time.
#include "platform/afx/ResourceChain.h"

namespace {

AFX_EXTENSION_MODULE g_moduleState;

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID)
{
    if (dwReason == DLL_PROCESS_ATTACH) {
        if (!AfxInitExtensionModule(g_moduleState, hInstance))
            return FALSE;
        new CDynLinkLibrary(g_moduleState);
    } else if (dwReason == DLL_PROCESS_DETACH) {
        AfxTermExtensionModule(g_moduleState);
    }
    return TRUE;
}

// The module's own instance, for the one template it loads itself.
HINSTANCE KivModuleInstance()
{
    return g_moduleState.hModule;
}
