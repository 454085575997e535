// CDlgGeography81: the landscape drawn from terrain data around the site: shown or not, its
// resolution and range, whether it is drawn as a bitmap, the observer's altitude when the site
// changes, and its opacity. The values live in the host under Solar.Planet.Earth.Landscape.
#pragma once

#include "dialogs/landscape/OpacityTrio.h"
#include "framework/kivcst/ZenDialog.h"
#include "framework/module/ModuleExport.h"

// The host's resolution (0.1 to 1.0) as a slider position 1 to 10: tenths, truncated.
int ResolutionToSlider(double dResolution);
// The host's brightness (0.0 to 1.0) as an opacity 0 to 100 percent, rounded.
int BrightnessToOpacity(double dBrightness);

class KIVD04_API CDlgGeography81 : public CZenDialog {
public:
    CDlgGeography81(CCorZen* pChannel, CCorZen* pChannel2, int bTerrainData, CWnd* pParent);
    explicit CDlgGeography81(CWnd* pParent);
    ~CDlgGeography81() override;

    static const CRuntimeClass classCDlgGeography81;
    const CRuntimeClass* GetRuntimeClass() const override;
    static const CRuntimeClass* GetThisClass() { return &classCDlgGeography81; }

    void SetExtDataInfoPtr(int* p) { m_pShown = p; }
    void SetIsFlightMode(int bFlightMode) { m_bFlightMode = bFlightMode; }

protected:
    const AFX_MSGMAP* GetMessageMap() const override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void AttachControls() override;

    void InitCombo();
    void UpdateStatus();
    static CString LongToShort(CString strPath);
    static CString ShortToLong(CString strPath);
    static BOOL GetLongPathName95(const wchar_t* pszShortPath, wchar_t* pszLongPath, DWORD nSize);

private:
    void OnBnClickedDspGeo81ChkGeo();
    void OnBnClickedDspGeo81ChkBitmap();
    void OnBnClickedDspGeo81ChkUpdateIfLocChange();
    void OnEnChangeDspGeo81EdtRadius();
    void OnDeltaposDspGeo81SpnRadius(NMHDR* pNMHDR, LRESULT* pResult);
    void OnBnClickedDspGeo81RdAutoAlt();
    void OnBnClickedDspGeo81RdConstAlt();
    void OnEnChangeDspGeo81EdtOpacity();
    void OnDeltaposDspGeo81SpnOpacity(NMHDR* pNMHDR, LRESULT* pResult);
    void OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar);

    CString m_strSection;
    int m_bShow = 0;
    int m_bBitmap = 0;
    int m_bUpdate = 0;
    int m_nResolution = 0;   // slider position, tenths of the host's resolution
    int m_nRadius = 0;       // km
    int m_nAltitude = 0;     // 0 follow the ground, 1 leave the altitude
    int m_nOpacity = 100;    // percent

    CZenCheckBox m_chkShow;
    CZenGroupBox m_grpResolution;
    CZenSlider m_sldResolution;
    CZenStatic m_stcCoarse;
    CZenStatic m_stcDetailed;
    CZenGroupBox m_grpRange;
    CZenEdit m_edtRadius;
    CZenSpinButton m_spnRadius;
    CZenStatic m_stcKm;
    CZenGroupBox m_grpBitmap;
    CZenCheckBox m_chkBitmap;
    CZenStatic m_stcSize;
    CZenComboBox m_cmbSize;
    CZenStatic m_stcPixels;
    CZenCheckBox m_chkUpdate;
    CZenGroupBox m_grpAltitude;
    CZenRadioButton m_radAutoAltitude;
    CZenRadioButton m_radConstAltitude;
    CZenGroupBox m_grpOpacity;
    CZenStatic m_stcTransparent;
    CZenSlider m_sldOpacity;
    CZenStatic m_stcOpaque;
    CZenEdit m_edtOpacity;
    CZenSpinButton m_spnOpacity;
    CZenStatic m_stcPercent;

    int m_bBusy = 0;         // the show box is being handled, or was refused for good
    int m_bTerrainData = 0;  // terrain data is installed
    int* m_pShown = nullptr;
    struct BitmapSize {
        int width, height;
    };
    BitmapSize m_sizes[6];
    int m_bFlightMode = 0;

    COpacityTrio m_opacity;
};
