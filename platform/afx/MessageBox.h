// Message boxes of the framework.
#pragma once

#include "platform/afx/CString.h"
#include "platform/afx/ResourceChain.h"

// Shows a modal message box owned by the active window of this thread, with the application's
// name as its caption. Without an icon in nType the exclamation icon is used.
KIVFW_API int AfxMessageBox(const wchar_t* lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
// The same with a string-table entry found through the resource chain.
KIVFW_API int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = static_cast<UINT>(-1));

// Told of every message box just before it is shown (the sample host journals them and its
// driver answers them in scripted runs).
using AFX_MESSAGEBOX_OBSERVER = void (*)(UINT nType, const wchar_t* lpszText, void* pContext);
KIVFW_API void AfxSetMessageBoxObserver(AFX_MESSAGEBOX_OBSERVER pfnObserver, void* pContext);

KIVFW_API void AfxSetAppName(const wchar_t* lpszName);
KIVFW_API CString AfxGetAppName();
