// CDlgSpacecraft: the spacecraft dialog. Which craft are shown, their name labels and
// trajectories, and the span of the selected craft's data.
#pragma once

#include "dialogs/meteor_spacecraft/CheckListDialog.h"
#include "dialogs/meteor_spacecraft/SpacecraftListBox.h"
#include "framework/module/ModuleExport.h"

class KIVD04_API CDlgSpacecraft : public CCheckListDialog<CSpacecraftListBox> {
public:
    CDlgSpacecraft(CCorZen* pChannel, CCorZen* pChannel2, CWnd* pParent);
    explicit CDlgSpacecraft(CWnd* pParent);
    ~CDlgSpacecraft() override;

    static const CRuntimeClass classCDlgSpacecraft;
    const CRuntimeClass* GetRuntimeClass() const override;

    void DspSpcraftBtnViewSwitch(int nOn) { SetEveryRecord(&CCheckSpacecraft::m_bVisible, m_nSpacecraftCount, nOn); }
    void DspSpcraftBtnNameSwitch(int nOn) { SetEveryRecord(&CCheckSpacecraft::m_bName, m_nSpacecraftCount, nOn); }
    void DspSpcraftBtnJpEnSwitch(int nOn) { SetEveryRecord(&CCheckSpacecraft::m_bJapanese, m_nSpacecraftCount, nOn); }
    void DspSpcraftBtnTrjSwitch(int nOn) { SetEveryRecord(&CCheckSpacecraft::m_bTrajectory, m_nSpacecraftCount, nOn); }
    void EnableDataSpan(int nEnable);
    void SetSpanString(UINT nID, int nValid, double dJulianDay);
    void UpdateStatus();

protected:
    const AFX_MSGMAP* GetMessageMap() const override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void AttachControls() override;

    CSpacecraftListBox& CheckList() override { return m_lbSpacecraft; }
    BOOL MarkViewFlag() override { return m_bSolar; }
    UINT TextAnchorID() const override;
    int TextIndent() const override { return m_lbSpacecraft.m_nBaseUnitX; }
    BOOL FillsOnSelection() const override { return TRUE; }

private:
    void OnDspSpcraftBtnViewOn() { DspSpcraftBtnViewSwitch(1); }
    void OnDspSpcraftBtnViewOff() { DspSpcraftBtnViewSwitch(0); }
    void OnDspSpcraftBtnNameOn() { DspSpcraftBtnNameSwitch(1); }
    void OnDspSpcraftBtnNameOff() { DspSpcraftBtnNameSwitch(0); }
    void OnDspSpcraftBtnJp() { DspSpcraftBtnJpEnSwitch(1); }
    void OnDspSpcraftBtnEn() { DspSpcraftBtnJpEnSwitch(0); }
    void OnDspSpcraftBtnTrjOn() { DspSpcraftBtnTrjSwitch(1); }
    void OnDspSpcraftBtnTrjOff() { DspSpcraftBtnTrjSwitch(0); }
    void OnLbnSelchangeDspSpcraftListSpcraft();

    CSpacecraftArray m_arSpacecraft;
    CZenButton m_btnViewOn;
    CZenButton m_btnViewOff;
    CZenButton m_btnNameOn;
    CZenButton m_btnNameOff;
    CZenButton m_btnJp;
    CZenButton m_btnEn;
    CZenButton m_btnTrjOn;
    CZenButton m_btnTrjOff;
    CZenButton m_btnColor;
    CZenGroupBox m_grpSpan;
    CSpacecraftListBox m_lbSpacecraft;
    int m_nSpacecraftCount = 0;
    BOOL m_bSolar = FALSE;
};

// A date of the data span: the Julian day in universal time to the nearest second, written
// with lpszFormat ("%d/%02d/%02d %02d:%02d:%02d (UT)": year, month, day, hour, minute, second).
KIVD04_API CString FormatSpanDate(double dJulianDay, const wchar_t* lpszFormat);
// The whole days from start to end with a comma before every third digit from the right.
KIVD04_API CString FormatSpanDays(double dStart, double dEnd);
