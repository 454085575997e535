#include "platform/afx/MessageBox.h"

namespace {

AFX_MESSAGEBOX_OBSERVER g_pfnObserver = nullptr;
void* g_pObserverContext = nullptr;

CString& AppName()
{
    static CString name;
    return name;
}

HWND OwnerWindow()
{
    HWND owner = ::GetActiveWindow();
    if (!owner) {
        if (const HWND focus = ::GetFocus())
            owner = ::GetAncestor(focus, GA_ROOT);
    }
    return owner ? ::GetLastActivePopup(owner) : nullptr;
}

}  // namespace

void AfxSetMessageBoxObserver(AFX_MESSAGEBOX_OBSERVER pfnObserver, void* pContext)
{
    g_pfnObserver = pfnObserver;
    g_pObserverContext = pContext;
}

void AfxSetAppName(const wchar_t* lpszName)
{
    AppName() = lpszName;
}

CString AfxGetAppName()
{
    if (AppName().IsEmpty()) {
        wchar_t path[MAX_PATH] = {};
        ::GetModuleFileNameW(nullptr, path, MAX_PATH);
        CString name(path);
        name = name.Mid(name.ReverseFind(L'\\') + 1);
        const int dot = name.ReverseFind(L'.');
        return dot > 0 ? name.Left(dot) : name;
    }
    return AppName();
}

int AfxMessageBox(const wchar_t* lpszText, UINT nType, UINT)
{
    if ((nType & MB_ICONMASK) == 0)
        nType |= MB_ICONEXCLAMATION;
    const wchar_t* text = lpszText ? lpszText : L"";
    if (g_pfnObserver)
        g_pfnObserver(nType, text, g_pObserverContext);
    const CString caption = AfxGetAppName();
    return ::MessageBoxW(OwnerWindow(), text, caption, nType);
}

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp)
{
    CString text;
    if (!text.LoadString(nIDPrompt)) {
        const HINSTANCE framework = AfxGetFrameworkHandle();
        const wchar_t* own = nullptr;
        const int length = ::LoadStringW(framework, nIDPrompt, reinterpret_cast<LPWSTR>(&own), 0);
        if (length > 0)
            text = CString(own, length);
    }
    return AfxMessageBox(text, nType, nIDHelp);
}
