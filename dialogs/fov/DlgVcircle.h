// CDlgVcircle: the field-of-view circle dialog. Whether the eyepiece circle is shown, its size
// and the frame it is fixed to, with a calculator that turns a telescope, an eyepiece and its
// apparent field into a magnification and a true field.
#pragma once

#include "framework/kivcst/ZenDialog.h"
#include "framework/module/ModuleExport.h"

class KIVD04_API CDlgVcircle : public CZenDialog {
public:
    CDlgVcircle(CCorZen* pChannel, CCorZen* pChannel2, CWnd* pParent);
    explicit CDlgVcircle(CWnd* pParent);
    ~CDlgVcircle() override;

    void SetAppDataPath(const CString& strPath);

protected:
    const AFX_MSGMAP* GetMessageMap() const override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void AttachControls() override;

private:
    void UpdateStatus();
    void OnCheckCircle();
    void OnDeltaposDspViewSpinCircle(NMHDR* pNMHDR, LRESULT* pResult);
    void OnDspViewButtonColor();
    void OnEnChangeDspViewEditCircle();
    void OnDeltaposSpin(NMHDR* pNMHDR, LRESULT* pResult);
    void OnChangeEdit();
    void OnBnClickedDspViewBtnApply();

    // Clamps the apparent field and computes magnification and true field from the members;
    // false when the focal lengths give no magnification.
    bool ComputeView();
    double ReadSetting(const wchar_t* lpszKey, double dDefault) const;

    CString m_strSection;
    int m_bShow = 0;
    double m_dCircle = 0.0;  // apparent diameter of the circle, degrees
    CString m_strAppDataPath;

    CZenCheckBox m_chkShow;
    CZenEdit m_edtCircle;
    CZenSpinButton m_spnCircle;
    CZenStatic m_stcCircleUnit;
    CZenStatic m_stcCoordinate;
    CZenComboBox m_cmbCoordinate;
    CZenGroupBox m_grpOptics;
    CZenStatic m_stcTelescope;
    CZenEdit m_edtTelescope;
    CZenSpinButton m_spnTelescope;
    CZenStatic m_stcTelescopeUnit;
    CZenStatic m_stcEyepiece;
    CZenEdit m_edtEyepiece;
    CZenSpinButton m_spnEyepiece;
    CZenStatic m_stcEyepieceUnit;
    CZenStatic m_stcApparent;
    CZenEdit m_edtApparent;
    CZenSpinButton m_spnApparent;
    CZenStatic m_stcApparentUnit;
    CZenGroupBox m_grpResult;
    CZenStatic m_stcMagnification;
    CZenStatic m_stcMagnificationValue;
    CZenStatic m_stcMagnificationUnit;
    CZenStatic m_stcTrueField;
    CZenStatic m_stcTrueFieldValue;
    CZenStatic m_stcTrueFieldUnit;
    CZenButton m_btnApply;
    CZenButton m_btnColor;

    double m_dTelescope = 500.0;  // telescope focal length, mm
    double m_dEyepiece = 20.0;    // eyepiece focal length, mm
    double m_dApparent = 50.0;    // eyepiece apparent field, degrees
    CString m_strMagnification;
    CString m_strTrueField;
    double m_dTrueField = 0.0;  // degrees
    double m_dMagnification = 0.0;
    int m_nCoordinate = 0;  // 0 screen, 1 equatorial, 2 horizon
};
