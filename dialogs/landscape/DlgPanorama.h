// CDlgPanorama: the landscape panorama pictures (day, mask and night), their opacity and the
// compass orientation. The host hands its settings in through the public members before DoModal
// and reads them back after OK; nothing goes through the channel.
#pragma once

#include "dialogs/landscape/OpacityTrio.h"
#include "dialogs/landscape/PicturePreview.h"
#include "platform/afx/Image.h"
#include "framework/kivcst/ZenDialog.h"
#include "framework/module/ModuleExport.h"

class KIVD04_API CDlgPanorama : public CZenDialog {
public:
    CDlgPanorama(CCorZen* pChannel, CCorZen* pChannel2, CWnd* pParent);
    explicit CDlgPanorama(CWnd* pParent);
    ~CDlgPanorama() override;

    CString m_strDayFileText;
    CString m_strNightFileText;
    CString m_strMaskFileText;
    int m_bNightFile = 0;      // use the night picture
    int m_nOpacity = 100;      // percent
    int m_bShow = 0;           // the landscape is shown
    int m_bCentreSouth = 1;    // the pictures' centre is south, their edges north
    CString m_strMaskFile;
    CString m_strDayFile;
    CString m_strNightFile;

protected:
    const AFX_MSGMAP* GetMessageMap() const override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void AttachControls() override;

    BOOL LoadImageFile(CString strPath, CImage** ppImage, int* pnWidth, int* pnHeight);
    int CheckDayFile();
    int CheckMaskFile();
    int CheckNightFile();
    void UpdateStatus(int nNightOnly);

private:
    enum Kind { kDay, kMask, kNight };
    // What the three pictures have each of: the members, the texts and the controls.
    struct Picture {
        CString& path;
        CImage*& image;
        int& width;
        int& height;
        CPicturePreview& preview;
        UINT idsLoad, idsPower, idsAspect;  // the check's texts
        UINT idsTitle;                      // the file dialog's title
        UINT idPreview;
    };
    Picture Get(Kind kind);
    int CheckPicture(Kind kind);
    void BrowsePicture(Kind kind);
    void PaintPreview(Kind kind, bool bShown);

    void OnPaint();
    void OnButtonDayFile();
    void OnButtonMaskFile();
    void OnButtonNightFile();
    void OnCheckNight();
    void OnEnChangeEdtOpacity();
    void OnDeltaposSpnOpacity(NMHDR* pNMHDR, LRESULT* pResult);
    void OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar);
    void OnBnClickedDspLndChkVisible();
    void OnBnClickedDspLndChkOriginNorth();
    void InvalidatePreview(UINT nID);

    CString m_strSection;

    CZenCheckBox m_chkShow;
    CZenGroupBox m_grpDay;
    CZenStatic m_stcDayPreview;
    CZenStatic m_stcDayLabels[5];
    CZenStatic m_stcDayFile;
    CZenEdit m_edtDayFile;
    CZenButton m_btnDayFile;
    CZenGroupBox m_grpMask;
    CZenStatic m_stcMaskPreview;
    CZenStatic m_stcMaskLabels[5];
    CZenStatic m_stcMaskFile;
    CZenEdit m_edtMaskFile;
    CZenButton m_btnMaskFile;
    CZenGroupBox m_grpNight;
    CZenCheckBox m_chkNight;
    CZenStatic m_stcNightPreview;
    CZenStatic m_stcNightLabels[5];
    CZenStatic m_stcNightFile;
    CZenEdit m_edtNightFile;
    CZenButton m_btnNightFile;
    CZenGroupBox m_grpOpacity;
    CZenStatic m_stcTransparent;
    CZenSlider m_sldOpacity;
    CZenStatic m_stcOpaque;
    CZenEdit m_edtOpacity;
    CZenSpinButton m_spnOpacity;
    CZenStatic m_stcPercent;
    CZenCheckBox m_chkCentreSouth;

    CImage* m_pMaskImage = nullptr;
    CImage* m_pDayImage = nullptr;
    CImage* m_pNightImage = nullptr;
    int m_nMaskWidth = 0;
    int m_nMaskHeight = 0;
    int m_nDayWidth = 0;
    int m_nDayHeight = 0;
    int m_nNightWidth = 0;
    int m_nNightHeight = 0;

    CPicturePreview m_previewMask;
    CPicturePreview m_previewDay;
    CPicturePreview m_previewNight;
    COpacityTrio m_opacity;
};
