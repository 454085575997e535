// CDlgASat: the artificial satellite dialog. Which satellites the host draws (a list with a
// check box per satellite, optionally limited to the major ones), their labels, whether they
// are drawn in the Earth's shadow, the faintest magnitude drawn, and a search over the list.
#pragma once

#include "framework/kivcst/ZenDialog.h"
#include "framework/module/ModuleExport.h"

#include <string>
#include <unordered_map>
#include <vector>

class KIVD04_API CDlgASat : public CZenDialog {
public:
    CDlgASat(CCorZen* pChannel, CCorZen* pChannel2, CWnd* pParent);
    explicit CDlgASat(CWnd* pParent);

    static const CRuntimeClass classCDlgASat;
    const CRuntimeClass* GetRuntimeClass() const override;
    ~CDlgASat() override;

protected:
    const AFX_MSGMAP* GetMessageMap() const override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    void AttachControls() override;

private:
    // The longest texts of the list's columns 1 to 3, for the column widths.
    struct TextWidths {
        int label = 0;
        int localName = 0;
        int type = 0;
    };

    BOOL CorZenBool(const CString& strQuery);
    BOOL VisibleAt(int nPos);
    CString Query(const wchar_t* lpszFormat, int nValue);
    void InitSatListCtrl();
    void FillSatList();
    // False when the host gave no number for the position.
    bool InsertSatRow(int nPos, int nRow, BOOL bChecked);
    void SortSatList();
    // The catalogue number (item data) of a row.
    int RowNumber(int nRow) const;
    void SetListFont();
    void SetColumnWidths(int nScale);
    void ShowMagnitude();
    void SetSearchIcons(int nScale);
    void ReadMajorLimit();
    void CheckAllRows(BOOL bCheck);
    void SaveRemembered();
    int ScreenScale();

    void OnDspAsatBtnAllOn();
    void OnDspAsatBtnAllOff();
    void OnBtnColor();
    void OnDeltaposDspAsatSpinMag(NMHDR* pNMHDR, LRESULT* pResult);
    void OnSearchForward();
    void OnSearchBackword();
    void OnBnClickedDspAsatCheckMajor();
    void OnLvnItemchangedDspAsatlist(NMHDR* pNMHDR, LRESULT* pResult);

    // The search (history, messages, walk).
    void InitSearchStringCombo();
    void SaveSearchStringCombo();
    void Search(int nDirection);
    BOOL DoSearch(const CString& strText, int nDirection);

    static int CALLBACK CompareFunc(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort);

    CString m_strSection;
    BOOL m_bMajor = FALSE;
    BOOL m_bName = FALSE;
    BOOL m_bNumber = FALSE;
    BOOL m_bInShadow = FALSE;
    int m_nCount = 0;
    BOOL m_bSortAscending = FALSE;
    BOOL m_bAllOn = FALSE;
    BOOL m_bAllOff = FALSE;
    CFont m_fontList;

    // The sort key of column 1 of every row inserted, by catalogue number (the rows' item
    // data). The sort callback is handed item data only, and looking a row up in the list for
    // each comparison would make every sort quadratic in the number of satellites; a hash
    // lookup keeps a sort at n log n comparisons, and a key folded to upper case once per row
    // makes each comparison a plain comparison of code units.
    std::unordered_map<LPARAM, std::wstring> m_sortKeys;
    // The catalogue number of each row in list order, taken after every sort: a search that
    // walks the whole list then asks the host only, not the list for each row.
    std::vector<int> m_rowNumbers;
    TextWidths m_longest;
    HICON m_hIconForward = nullptr;
    HICON m_hIconBackward = nullptr;

    CZenListCtrl m_lstSat;
    CZenCheckBox m_chkMajor;
    CZenGroupBox m_grpDisplay;
    CZenButton m_btnColor;
    CZenButton m_btnAllOn;
    CZenButton m_btnAllOff;
    CZenButton m_btnSearchForward;
    CZenButton m_btnSearchBackward;
    CZenEdit m_edtMagnitude;
    CZenComboBox m_cmbSearch;
    CZenCheckBox m_chkName;
    CZenCheckBox m_chkNumber;
    CZenCheckBox m_chkInShadow;
    CZenSpinButton m_spnMagnitude;
};
