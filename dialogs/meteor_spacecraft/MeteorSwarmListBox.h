// The meteor swarm list: rows of swarms with marks for view, radiant, radiant name and its language.
#pragma once

#include "dialogs/meteor_spacecraft/CheckColumnListBox.h"

class KIVD04_API CMeteorSwarmListBox : public CCheckColumnListBox<CMeteorSwarmListBox, CCheckMeteorSwarm> {
public:
    CMeteorSwarmListBox();
    ~CMeteorSwarmListBox() override;

    static const Column kColumns[5];
    static const int kListID;
    static const int kLabelID;
    static constexpr BOOL kWidenRadioKeys = FALSE;
    // The meteor list has no column bound to the projection.
    BOOL SolarView() const { return TRUE; }

    CWnd* m_pParentDlg = nullptr;
    CMeteorSwarmArray* m_pItems = nullptr;
    int m_nBaseUnitX = 0;
    int m_nColorScheme = 0;
    BOOL m_bCheckClicked = FALSE;
    CPoint m_ptDown;
    CBitmap m_bmpScroll;

protected:
    const AFX_MSGMAP* GetMessageMap() const override;
};
