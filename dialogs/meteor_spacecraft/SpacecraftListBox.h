// The spacecraft list: rows of craft with marks for view, name, its language and trajectory.
#pragma once

#include "dialogs/meteor_spacecraft/CheckColumnListBox.h"

class KIVD04_API CSpacecraftListBox : public CCheckColumnListBox<CSpacecraftListBox, CCheckSpacecraft> {
public:
    CSpacecraftListBox();
    ~CSpacecraftListBox() override;

    void SetColorScheme(int nScheme) { m_nColorScheme = nScheme; }
    void SetSolar(BOOL bSolar) { m_bSolar = bSolar; }

    static const Column kColumns[5];
    static const int kListID;
    static const int kLabelID;
    static constexpr BOOL kWidenRadioKeys = TRUE;
    BOOL SolarView() const { return m_bSolar; }

    CWnd* m_pParentDlg = nullptr;
    CSpacecraftArray* m_pItems = nullptr;
    int m_nBaseUnitX = 0;
    CBitmap m_bmpScroll;
    int m_nColorScheme = 0;
    BOOL m_bCheckClicked = FALSE;
    CPoint m_ptDown;
    BOOL m_bSolar = FALSE;

protected:
    const AFX_MSGMAP* GetMessageMap() const override;
};
