// Data exchange between a dialog's member variables and its controls.
#pragma once

#include "platform/afx/CString.h"

class CWnd;

// Thrown by a failed exchange after the user has been told; UpdateData catches it.
class KIVFW_API CUserException {};

class KIVFW_API CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate) : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

    BOOL m_bSaveAndValidate;  // TRUE: controls to members; FALSE: members to controls
    CWnd* m_pDlgWnd;

    HWND PrepareCtrl(int nIDC);
    HWND PrepareEditCtrl(int nIDC);
    // The one failure path: shows the message (exclamation icon), puts the focus on the last
    // prepared control, selects an edit's text, and abandons the exchange.
    [[noreturn]] void Fail(const wchar_t* lpszMessage);
    [[noreturn]] void Fail(UINT nIDPrompt);

private:
    HWND m_hLastControl = nullptr;
    bool m_bEditLastControl = false;
};

// Writes a control's text only when it differs from what it shows, so that the caret and the
// selection stay where the user left them.
KIVFW_API void AfxSetWindowText(HWND hWnd, const wchar_t* lpszNew);
// Writes a number's text only when the control does not already show that very number, so that
// a user typing "12." or "1.50" keeps what they typed while the dialog recomputes.
KIVFW_API void AfxSetNumberText(HWND hWnd, const wchar_t* lpszNew, double value);

KIVFW_API void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
KIVFW_API void DDX_Radio(CDataExchange* pDX, int nIDC, int& value);
KIVFW_API void DDX_Text(CDataExchange* pDX, int nIDC, int& value);
KIVFW_API void DDX_Text(CDataExchange* pDX, int nIDC, UINT& value);
KIVFW_API void DDX_Text(CDataExchange* pDX, int nIDC, double& value);
KIVFW_API void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
KIVFW_API void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index);
KIVFW_API void DDX_Slider(CDataExchange* pDX, int nIDC, int& value);

// The framework's text form and parsing of numbers, shared with the numeric exchanges of the
// common-dialog library. The parsers accept blanks around the number and nothing else.
KIVFW_API CString AfxFormatDouble(double value);  // general form, up to 15 significant digits
KIVFW_API bool AfxParseInt(const wchar_t* text, int& value);
KIVFW_API bool AfxParseUInt(const wchar_t* text, UINT& value);
KIVFW_API bool AfxParseDouble(const wchar_t* text, double& value);

// The framework's own prompts, in its string table.
enum : UINT {
    AFX_IDP_PARSE_INT = 0xF110,
    AFX_IDP_PARSE_REAL = 0xF113,
    AFX_IDP_PARSE_UINT = 0xF11A,
};
