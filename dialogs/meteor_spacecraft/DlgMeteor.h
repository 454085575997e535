// CDlgMeteor: the meteor dialog. Sporadic meteors, the meteor swarms with their radiants and
// radiant names, and the multiplier of the meteor rate.
#pragma once

#include "dialogs/meteor_spacecraft/CheckListDialog.h"
#include "dialogs/meteor_spacecraft/MeteorSwarmListBox.h"
#include "framework/module/ModuleExport.h"

class KIVD04_API CDlgMeteor : public CCheckListDialog<CMeteorSwarmListBox> {
public:
    CDlgMeteor(CCorZen* pChannel, CCorZen* pChannel2, CWnd* pParent);
    explicit CDlgMeteor(CWnd* pParent);
    ~CDlgMeteor() override;

    static const CRuntimeClass classCDlgMeteor;
    const CRuntimeClass* GetRuntimeClass() const override;

    void DspMeteorBtnViewSwitch(int nOn) { SetEveryRecord(&CCheckMeteorSwarm::m_bVisible, m_nSwarmCount, nOn); }
    void DspMeteorBtnRadiantSwitch(int nOn) { SetEveryRecord(&CCheckMeteorSwarm::m_bRadiant, m_nSwarmCount, nOn); }
    void DspMeteorBtnNameSwitch(int nOn) { SetEveryRecord(&CCheckMeteorSwarm::m_bRadiantName, m_nSwarmCount, nOn); }
    void DspMeteorBtnJpEnSwitch(int nOn) { SetEveryRecord(&CCheckMeteorSwarm::m_bJapanese, m_nSwarmCount, nOn); }

protected:
    const AFX_MSGMAP* GetMessageMap() const override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void AttachControls() override;

    CMeteorSwarmListBox& CheckList() override { return m_lbSwarm; }
    BOOL MarkViewFlag() override;
    UINT TextAnchorID() const override;
    int TextIndent() const override;

private:
    void OnDeltaposDspMeteorSpinMultiply(NMHDR* pNMHDR, LRESULT* pResult);
    void OnEnChangeDspMeteorEditMultiply();
    void OnDspMeteorBtnViewOn() { DspMeteorBtnViewSwitch(1); }
    void OnDspMeteorBtnViewOff() { DspMeteorBtnViewSwitch(0); }
    void OnDspMeteorBtnRadiantOn() { DspMeteorBtnRadiantSwitch(1); }
    void OnDspMeteorBtnRadiantOff() { DspMeteorBtnRadiantSwitch(0); }
    void OnDspMeteorBtnNameOn() { DspMeteorBtnNameSwitch(1); }
    void OnDspMeteorBtnNameOff() { DspMeteorBtnNameSwitch(0); }
    void OnDspMeteorBtnJp() { DspMeteorBtnJpEnSwitch(1); }
    void OnDspMeteorBtnEn() { DspMeteorBtnJpEnSwitch(0); }
    BOOL IsHorizon();

    BOOL m_bScatterVisible = FALSE;
    double m_dMultiplier = 0.0;
    CMeteorSwarmArray m_arSwarm;
    CZenGroupBox m_grpScatter;
    CZenGroupBox m_grpSwarm;
    CZenButton m_btnViewOn;
    CZenButton m_btnViewOff;
    CZenButton m_btnRadiantOn;
    CZenButton m_btnRadiantOff;
    CZenButton m_btnNameOn;
    CZenButton m_btnNameOff;
    CZenButton m_btnJp;
    CZenButton m_btnEn;
    CZenButton m_btnColor;
    CZenCheckBox m_chkScatter;
    CZenSpinButton m_spinMultiply;
    CZenEdit m_editMultiply;
    CZenStatic m_stcMultiply;
    CZenStatic m_stcMultiplyUnit;
    CMeteorSwarmListBox m_lbSwarm;
    int m_nSwarmCount = 0;
};

// One press of the multiplier's up-down control: tenths below 10, whole numbers from 10 on,
// within 0.1 to 1000.0. A negative delta steps down.
KIVD04_API double StepMeteorMultiplier(double dMultiplier, int nDelta);
