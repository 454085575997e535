// CCameraFrameDlg: what the camera angle-of-field and mosaic dialogs share. A camera frame is a
// catalogue camera, or a sensor size typed by hand, behind a lens of a given focal length. This
// base keeps the catalogue with its maker and camera lists, the lens and sensor-size edits with
// their up-downs, the live angle of field with its unit, and the frame combo box; each dialog
// adds what it alone has (the guider area, the mosaic's counts) and its own statements.
#pragma once

#include "framework/kivcom/CameraDB.h"
#include "framework/kivcst/ZenDialog.h"
#include "framework/module/ModuleExport.h"

class KIVD04_API CCameraFrameDlg : public CZenDialog {
protected:
    CCameraFrameDlg(const CString& strAppDataPath, CCorZen* pChannel, CCorZen* pChannel2, UINT nIDTemplate,
                    UINT nIDSection, CWnd* pParent);
    CCameraFrameDlg(UINT nIDTemplate, UINT nIDSection, CWnd* pParent);

    const AFX_MSGMAP* GetMessageMap() const override;
    BOOL OnInitDialog() override;
    void AttachControls() override;
    virtual void UpdateStatus() = 0;

    // What the catalogue camera, once taken, gives the dialog beside its sensor size:
    // SetCustomData's guider values, and UpdateFov's.
    virtual void TakeCustomGuider(const _ANGLE_OF_FIELD& camera);
    virtual void TakeFovGuider(const _ANGLE_OF_FIELD& camera);

    // Pieces of DoDataExchange, which each dialog places in its own order.
    void ExchangeLensAndMode(CDataExchange* pDX);
    void ExchangeSensor(CDataExchange* pDX);
    void ExchangeUnitAndCoordinate(CDataExchange* pDX);

    // Steps of OnInitDialog. lpszFamily is the host's key family ("AngleOfField"), whose
    // settings both dialogs ask for in the same words.
    void OpenFrame(const wchar_t* lpszFamily);
    // Looks the host's camera name up among the catalogue keys; a match selects it in size
    // mode 0. Then fills the camera list and takes the camera. False when nothing matched.
    bool SelectHostCamera(const CString& strCamera);
    void QuerySensorSize(const wchar_t* lpszFamily);
    void QueryCoordinate(const wchar_t* lpszFamily);
    void LimitFrameEdits();
    void FinishInit();

    int GetCameraNum(int nVendor, int nCamera) const;
    BOOL GetVendorAndCameraIdx(int nGlobal, int* pnVendor, int* pnCamera) const;
    void InitCameraList();
    void SetCustomData();
    BOOL UpdateFov();
    void ChangeEdit();
    BOOL zendlg_UpdateData(BOOL bSaveAndValidate);

    // The enable rules both dialogs share; returns whether the sizes are typed by hand (shown,
    // size mode 1), on which the dialogs' own controls depend.
    BOOL UpdateFrameStatus();
    // The show check box and the two size-mode radios.
    void OnShowOrModeClicked();
    // OK's checks of the focal length and, in size mode 1, the sensor size; true when any
    // message was shown.
    bool ReportFrameErrors();
    // The frame that OK sends: the selected catalogue camera in size mode 0 (true), else "None"
    // with the typed sizes (false).
    bool FrameFromCatalog(_ANGLE_OF_FIELD& frame);
    // The display unit, the one preference both dialogs remember.
    void SaveFovUnit();

    // An edit's change: half-typed text is left alone; a text the framework cannot read puts
    // the remembered value back; the controls are reloaded either way.
    template <class T>
    void RecomputeAfterEdit(int nEditID, T& value, bool bFraction);
    // Up-downs that move their buddy's text: whole numbers, and numbers in tenths.
    void StepIntegerEdit(int nEditID, NMHDR* pNMHDR, LRESULT* pResult, int nMin, int nMax);
    void StepTenthsEdit(int nEditID, NMHDR* pNMHDR, LRESULT* pResult, int nMinTenths, int nMaxTenths);

    void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    void OnEnChangeDspViewEditLens();
    void OnEnChangeDspViewEditCustomH();
    void OnEnChangeDspViewEditCustomV();
    void OnCbnSelchangeDspViewCmbFovUnit();
    void OnDeltaposDspViewSpinLens(NMHDR* pNMHDR, LRESULT* pResult);
    void OnLbnSelchangeDspViewListVendor();
    void OnLbnSelchangeDspViewListCamera();
    void OnDeltaposDspViewSpinCustomH(NMHDR* pNMHDR, LRESULT* pResult);
    void OnDeltaposDspViewSpinCustomV(NMHDR* pNMHDR, LRESULT* pResult);

    CString m_strSection;

    CZenStatic m_stcLens;
    CZenEdit m_edtLens;
    CZenSpinButton m_spnLens;
    CZenStatic m_stcLensUnit;
    CZenStatic m_stcFov;
    CZenStatic m_stcFovValue;
    CZenComboBox m_cmbFovUnit;
    CZenStatic m_stcCoordinate;
    CZenComboBox m_cmbCoordinate;
    CZenGroupBox m_grpCamera;
    CZenRadioButton m_radList;
    CZenRadioButton m_radSize;
    CZenStatic m_stcVendor;
    CZenListBox m_lstVendor;
    CZenStatic m_stcCamera;
    CZenListBox m_lstCamera;
    CZenStatic m_stcWidth;
    CZenEdit m_edtWidth;
    CZenSpinButton m_spnWidth;
    CZenStatic m_stcWidthUnit;
    CZenStatic m_stcHeight;
    CZenEdit m_edtHeight;
    CZenSpinButton m_spnHeight;
    CZenStatic m_stcHeightUnit;
    CZenButton m_btnColor;

    CCameraDB m_camDB;
    int m_nVendor = -1;       // selection of the maker list
    int m_bShow = 0;
    int m_nCamera = -1;       // selection of the camera list, counted within the maker
    UINT m_nFocal = 50;       // lens focal length, mm
    int m_nSizeMode = 1;      // 0 from the catalogue, 1 typed by hand
    double m_dWidth = 36.0;   // sensor width, mm
    double m_dHeight = 24.0;  // sensor height, mm
    CString m_strFov;
    int m_nFovUnit = -1;      // 0 degrees, 1 arcminutes
    double m_dFovH = 0.0;     // horizontal angle of field, degrees
    double m_dFovV = 0.0;     // vertical angle of field, degrees
    int m_nCoordinate = -1;   // 0 screen, 1 equatorial, 2 horizon
    CString m_strAppDataPath;

private:
    // The catalogue camera at the selection (a camera index below 0 becomes 0); false when the
    // selection names no camera.
    bool TakeCamera(_ANGLE_OF_FIELD& camera);
    void ShowFovText();
};

template <class T>
void CCameraFrameDlg::RecomputeAfterEdit(int nEditID, T& value, bool bFraction)
{
    const T remembered = value;
    const CString text = GetDlgItemText(nEditID);
    if (text.IsEmpty() || (bFraction && text[text.GetLength() - 1] == L'.'))
        return;
    if (zendlg_UpdateData(TRUE))
        ChangeEdit();
    else
        value = remembered;
    zendlg_UpdateData(FALSE);
}

// The camera name the host knows for "no catalogue camera".
extern const wchar_t kNoCamera[];

// Catalogue indexing: a maker's camera as a place in the whole catalogue (-1 when there is no
// such camera), and back (FALSE, outputs untouched, for a place outside the catalogue).
KIVD04_API int CameraGlobalIndex(const CCameraDB& db, int nVendor, int nCamera);
KIVD04_API BOOL SplitCameraIndex(const CCameraDB& db, int nGlobal, int& nVendor, int& nCamera);
