// CCorZen: the application's automation object as the module sees it, the one channel to the
// host's script engine. One call sends one command text and returns the answer text.
#pragma once

#include "platform/afx/Wnd.h"

class KIVFW_API CCorZen : public CWnd {
public:
    // Sends one command (query, statement, sequence or host command) and returns the answer;
    // the answer is empty when the host gives none.
    CString Exec(const wchar_t* lpszCommand);
    // Formats the command with the string class's formatting first.
    CString ExecFormat(const wchar_t* lpszFormat, ...);

    // The host's automation method: a method call that takes the command text and returns the
    // answer text.
    static constexpr DISPID kExecDispId = 2;
};
