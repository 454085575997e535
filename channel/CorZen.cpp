#include "channel/CorZen.h"

CString CCorZen::Exec(const wchar_t* lpszCommand)
{
    CString answer;
    InvokeHelper(kExecDispId, DISPATCH_METHOD, VT_BSTR, &answer, reinterpret_cast<const BYTE*>(VTS_BSTR),
                 lpszCommand ? lpszCommand : L"");
    return answer;
}

CString CCorZen::ExecFormat(const wchar_t* lpszFormat, ...)
{
    CString command;
    va_list args;
    va_start(args, lpszFormat);
    command.FormatV(lpszFormat, args);
    va_end(args);
    return Exec(command);
}
