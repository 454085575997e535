// CDlgGrid: the coordinate lines dialog. Six coordinate systems, each with a grid and its
// fundamental great circle, shown with or without scale numbers; the grid interval; where the
// grid scale numbers stand; and five reference marks.
#pragma once

#include "framework/kivcst/ZenDialog.h"
#include "framework/module/ModuleExport.h"

#include <memory>

class KIVD04_API CDlgGrid : public CZenDialog {
public:
    CDlgGrid(CCorZen* pChannel, CCorZen* pChannel2, CWnd* pParent);
    explicit CDlgGrid(CWnd* pParent);
    ~CDlgGrid() override;

protected:
    const AFX_MSGMAP* GetMessageMap() const override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void AttachControls() override;

private:
    // One coordinate object of the left block: its show and scale boxes and flags.
    struct DisplayRow {
        const wchar_t* path;
        bool grid;  // grid rows put their scale numbers where m_nNumberPos says; lines at the crossings
        UINT showId;
        UINT numberId;
        BOOL CDlgGrid::*show;
        BOOL CDlgGrid::*number;
    };
    static const DisplayRow kDisplayRows[12];
    static constexpr int kFocusCheckCount = 24;

    void KeepNumbersAtCrossings();
    void ReadNumberPos();
    void ReadDisplayRows();
    void ReadMarks();
    void ReadInterval();
    void AttachFocusChecks();
    void SendDisplayRows();
    void SendMarks();
    void SendInterval();
    void UpdateStatus();
    void OnCheckChanged();

    void OnCheckAltView() { OnCheckChanged(); }
    void OnCheckAltLineView() { OnCheckChanged(); }
    void OnCheck2000View() { OnCheckChanged(); }
    void OnCheck2000LineView() { OnCheckChanged(); }
    void OnCheckAppView() { OnCheckChanged(); }
    void OnCheckAppLineView() { OnCheckChanged(); }
    void OnCheck1950View() { OnCheckChanged(); }
    void OnCheck1950LineView() { OnCheckChanged(); }
    void OnCheckEclView() { OnCheckChanged(); }
    void OnCheckEclLineView() { OnCheckChanged(); }
    void OnCheckGalView() { OnCheckChanged(); }
    void OnCheckGalLineView() { OnCheckChanged(); }
    void OnCheckGalcenter() { OnCheckChanged(); }
    void OnCheckSolarmotion() { OnCheckChanged(); }
    void OnCheckAuto() { OnCheckChanged(); }
    void OnButtonLine();

    CString m_strSection;
    BOOL m_bAltView = FALSE;
    BOOL m_bAltNumber = FALSE;
    BOOL m_bAltLineView = FALSE;
    BOOL m_bAltLineNumber = FALSE;
    BOOL m_b2000View = FALSE;
    BOOL m_b2000Number = FALSE;
    BOOL m_b2000LineView = FALSE;
    BOOL m_b2000LineNumber = FALSE;
    BOOL m_bAppView = FALSE;
    BOOL m_bAppNumber = FALSE;
    BOOL m_bAppLineView = FALSE;
    BOOL m_bAppLineNumber = FALSE;
    BOOL m_b1950View = FALSE;
    BOOL m_b1950Number = FALSE;
    BOOL m_b1950LineView = FALSE;
    BOOL m_b1950LineNumber = FALSE;
    BOOL m_bEclView = FALSE;
    BOOL m_bEclNumber = FALSE;
    BOOL m_bEclLineView = FALSE;
    BOOL m_bEclLineNumber = FALSE;
    BOOL m_bGalView = FALSE;
    BOOL m_bGalNumber = FALSE;
    BOOL m_bGalLineView = FALSE;
    BOOL m_bGalLineNumber = FALSE;
    BOOL m_bPrecession = FALSE;
    BOOL m_bGalcenter = FALSE;
    BOOL m_bGalcenterName = FALSE;
    BOOL m_bSolarmotion = FALSE;
    BOOL m_bSolarmotionName = FALSE;
    BOOL m_bEclipticAxis = FALSE;
    BOOL m_bMoonOrbit = FALSE;
    BOOL m_bAutoInterval = FALSE;
    int m_nInterval = -1;  // radio index: 0 = 10°, 1 = 5°, 2 = 2°, 3 = 1°; -1 = none
    int m_nNumberPos = 0;  // radio index: 0 = at the line crossings, 1 = at the screen edge
    std::unique_ptr<CFocusCheckBox[]> m_pFocusCheck;
    BOOL m_bWholeSky = FALSE;

    CZenGroupBox m_grpEquatorial;
    CZenGroupBox m_grpEquator;
    CZenGroupBox m_grpGraduation;
    CZenGroupBox m_grpPrecession;
    CZenGroupBox m_grpGalcenter;
    CZenGroupBox m_grpSolarmotion;
    CZenGroupBox m_grpArrows;
    CZenGroupBox m_grpMoonOrbit;
    CZenButton m_btnColor;
    CZenVStatic m_vstGridView;
    CZenVStatic m_vstGridNumber;
    CZenVStatic m_vstLineView;
    CZenVStatic m_vstLineNumber;
    CZenCheckBox m_chkAuto;
    CZenRadioButton m_radInterval[4];
    CZenRadioButton m_radNumberPos[2];
    CZenCheckBox m_chkMoonOrbit;
    CZenCheckBox m_chkPrecession;
    CZenCheckBox m_chkGalcenter;
    CZenCheckBox m_chkGalcenterName;
    CZenCheckBox m_chkSolarmotion;
    CZenCheckBox m_chkSolarmotionName;
    CZenCheckBox m_chkEclipticAxis;
};

// The host's grid interval in degrees as the index of its radio button; 0 (the interval follows
// the field of view) selects none, and any interval the dialog does not offer selects 10°.
KIVD04_API int GridIntervalToRadio(int nDegrees);
// The interval text sent to the host: "0" when it follows the field of view, else the degrees of
// the selected radio, 10 when none is selected.
KIVD04_API CString GridIntervalText(BOOL bAuto, int nRadio);
