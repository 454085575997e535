// CDlgTwilight: the sky light dialog. The sky's own light as a whole, its components (twilight
// glow, moonlight, ground light) and light pollution with its strength.
#pragma once

#include "framework/kivcst/ZenDialog.h"
#include "framework/module/ModuleExport.h"

class KIVD04_API CDlgTwilight : public CZenDialog {
public:
    CDlgTwilight(CCorZen* pChannel, CCorZen* pChannel2, CWnd* pParent);
    explicit CDlgTwilight(CWnd* pParent);
    ~CDlgTwilight() override;

protected:
    const AFX_MSGMAP* GetMessageMap() const override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void AttachControls() override;

private:
    void UpdateStatus();
    void OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar);
    void OnCheckView();
    void OnCheckLightpollution();
    void OnCheckCitylight();

    CString m_strSection;
    BOOL m_bCitylight = FALSE;
    BOOL m_bTwilight = FALSE;
    BOOL m_bMoonlight = FALSE;
    BOOL m_bLightPollution = FALSE;
    BOOL m_bView = FALSE;
    int m_nStrength = 0;  // light pollution strength in tenths, 0..10

    CZenGroupBox m_grpLightPollution;
    CZenSlider m_sldStrength;
    CZenStatic m_stcNone;
    CZenStatic m_stcMiddle;
    CZenStatic m_stcStrong;
    CZenCheckBox m_chkView;
    CZenCheckBox m_chkTwilight;
    CZenCheckBox m_chkMoonlight;
    CZenCheckBox m_chkCitylight;
    CZenCheckBox m_chkLightPollution;
};

// The host's strength (0.0 to 1.0) in tenths, rounded and clamped to 0..10.
KIVD04_API int StrengthToTenths(double dStrength);
