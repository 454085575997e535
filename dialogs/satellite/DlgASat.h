// CDlgASat: the artificial satellite dialog. Which satellites the host draws (a list with a
// check box per satellite, optionally limited to the major ones), their labels, whether they
// are drawn in the Earth's shadow, the faintest magnitude drawn, and a search over the list.
#pragma once

#include "dialogs/satellite/SatelliteList.h"
#include "framework/kivcst/ZenDialog.h"
#include "framework/module/ModuleExport.h"

#include <array>
#include <cstdint>
#include <string>
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

    using SatRow = CSatelliteList::Row;
    // What the list's order looks at: the catalogue number and the label (a copy in upper case
    // where the label holds more than ASCII). The label's first code units, folded, four to a
    // word, decide most comparisons without a look at the label itself.
    struct SortKey {
        std::array<std::uint64_t, 8> head;
        const std::wstring* label;
        int number;
        int row;
    };

    BOOL CorZenBool(const CString& strQuery);
    BOOL VisibleAt(int nPos);
    CString Query(const wchar_t* lpszFormat, int nValue);
    void InitSatListCtrl();
    void FillSatList();
    // The row of host position nPos, asked for after its visibility as opening asks.
    SatRow AskSatRow(int nPos, BOOL bChecked);
    // Sorts the rows and makes them the list; the row at nSelected (-1: none) stays selected.
    void ShowSatRows(std::vector<SatRow> rows, int nSelected);
    // The listed rows but, for each time a number is in leaving, the first row that carries it;
    // nSelected follows the selected row (-1 when it went).
    std::vector<SatRow> RowsLeft(std::vector<int> leaving, int& nSelected);
    void SetListFont();
    void SetColumnWidths(int nScale);
    void ShowMagnitude();
    void SetSearchIcons(int nScale);
    void ReadMajorLimit();
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

    // The list's order: the station 25544 first, then by label without regard to case.
    int CompareFunc(const SortKey& a, const SortKey& b) const;

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

    TextWidths m_longest;
    HICON m_hIconForward = nullptr;
    HICON m_hIconBackward = nullptr;

    CSatelliteList m_lstSat;
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
