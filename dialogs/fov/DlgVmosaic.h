// CDlgVmosaic: the mosaic-of-fields dialog. A grid of camera frames, so many across and so many
// down, overlapping by a percentage; the frame is set as in the angle-of-field dialog.
#pragma once

#include "dialogs/fov/CameraFrame.h"

class KIVD04_API CDlgVmosaic : public CCameraFrameDlg {
public:
    CDlgVmosaic(CString strAppDataPath, CCorZen* pChannel, CCorZen* pChannel2, CWnd* pParent);
    explicit CDlgVmosaic(CWnd* pParent);
    ~CDlgVmosaic() override;

    static const CRuntimeClass classCDlgVmosaic;
    const CRuntimeClass* GetRuntimeClass() const override;

protected:
    const AFX_MSGMAP* GetMessageMap() const override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void AttachControls() override;
    void UpdateStatus() override;

private:
    void OnBnClickedDspViewButtonColor();
    void OnBnClickedDspViewCheckMosaic();
    void OnEnChangeDspViewEditRow();
    void OnEnChangeDspViewEditColumn();
    void OnEnChangeDspViewEditOverlap();
    void OnDeltaposDspViewSpinRow(NMHDR* pNMHDR, LRESULT* pResult);
    void OnDeltaposDspViewSpinColumn(NMHDR* pNMHDR, LRESULT* pResult);
    void OnDeltaposDspViewSpinOverlap(NMHDR* pNMHDR, LRESULT* pResult);

    bool ReportMosaicErrors();

    CZenCheckBox m_chkShow;
    CZenGroupBox m_grpMosaic;
    CZenStatic m_stcRow;
    CZenEdit m_edtRow;
    CZenSpinButton m_spnRow;
    CZenStatic m_stcColumn;
    CZenEdit m_edtColumn;
    CZenSpinButton m_spnColumn;
    CZenStatic m_stcOverlap;
    CZenEdit m_edtOverlap;
    CZenSpinButton m_spnOverlap;
    CZenStatic m_stcOverlapUnit;

    UINT m_nRow = 1;      // frames across
    UINT m_nColumn = 1;   // frames down
    UINT m_nOverlap = 0;  // percent
};
