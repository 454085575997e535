// CDlgVfield: the camera angle-of-field dialog. The frame a camera sensor covers behind a lens,
// from the camera catalogue or a typed sensor size, with an optional guider area beside it.
#pragma once

#include "dialogs/fov/CameraFrame.h"

class KIVD04_API CDlgVfield : public CCameraFrameDlg {
public:
    CDlgVfield(CString strAppDataPath, CCorZen* pChannel, CCorZen* pChannel2, CWnd* pParent);
    explicit CDlgVfield(CWnd* pParent);
    ~CDlgVfield() override;

    static const CRuntimeClass classCDlgVfield;
    const CRuntimeClass* GetRuntimeClass() const override;

protected:
    const AFX_MSGMAP* GetMessageMap() const override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void AttachControls() override;
    void UpdateStatus() override;
    void TakeCustomGuider(const _ANGLE_OF_FIELD& camera) override;
    void TakeFovGuider(const _ANGLE_OF_FIELD& camera) override;

private:
    void OnBnClickedDspViewCheckField();
    void OnBnClickedDspViewCheckGuide();
    void OnDeltaposDspViewSpinGuideH(NMHDR* pNMHDR, LRESULT* pResult);
    void OnDeltaposDspViewSpinGuideV(NMHDR* pNMHDR, LRESULT* pResult);
    void OnDeltaposDspViewSpinGuideDis(NMHDR* pNMHDR, LRESULT* pResult);
    void OnBnClickedDspViewButtonColor();

    bool ReportGuiderErrors();
    void SendFrame(const _ANGLE_OF_FIELD& frame, BOOL bGuider);

    CZenCheckBox m_chkShow;
    CZenCheckBox m_chkGuider;
    CZenStatic m_stcGuiderWidth;
    CZenEdit m_edtGuiderWidth;
    CZenSpinButton m_spnGuiderWidth;
    CZenStatic m_stcGuiderWidthUnit;
    CZenStatic m_stcGuiderHeight;
    CZenEdit m_edtGuiderHeight;
    CZenSpinButton m_spnGuiderHeight;
    CZenStatic m_stcGuiderHeightUnit;
    CZenStatic m_stcGuiderDistance;
    CZenEdit m_edtGuiderDistance;
    CZenSpinButton m_spnGuiderDistance;
    CZenStatic m_stcGuiderDistanceUnit;

    int m_bGuider = 0;
    double m_dGuiderHeight = 2.6;    // mm
    double m_dGuiderWidth = 2.6;     // mm
    double m_dGuiderDistance = 0.0;  // centre of the imaging area to centre of the guide area, mm
};
