// CSetColorDialog: the application's colour dialog for one colour key of the host.
//
// It asks the host for the key's colour, lets the user choose one in the system's colour dialog,
// and sends the chosen colour back as key = "#RRGGBB", followed by a redraw request on the
// second channel. Colours cross the channel as "#RRGGBB" texts. The two texts it is built with
// come from the owner's parent window: the dialog's title, and the custom colours offered (up to
// sixteen "#RRGGBB" texts separated by commas).
#pragma once

#include "channel/CorZen.h"

class KIVFW_API CSetColorDialog {
public:
    CSetColorDialog(CCorZen* pChannel, CCorZen* pChannel2, const CString& strTitle, const CString& strCustomColors,
                    const CString& strColorKey, CWnd* pParentWnd = nullptr);

    // IDOK when a colour was chosen and sent, IDCANCEL otherwise.
    INT_PTR DoModal();
    COLORREF GetColor() const { return m_crColor; }

    // "#RRGGBB" to a colour; false for any other text.
    static bool ParseColor(const wchar_t* lpszText, COLORREF& crColor);
    static CString FormatColor(COLORREF crColor);

private:
    CCorZen* m_pChannel;
    CCorZen* m_pChannel2;
    CString m_strTitle;
    CString m_strCustomColors;
    CString m_strColorKey;
    CWnd* m_pParentWnd;
    COLORREF m_crColor = RGB(255, 255, 255);
};
