// The satellite list: a list view whose rows live in this object, in list order, and which the
// control asks for what it shows. A list view that stores a million rows itself needs time that
// grows with the square of their number to fill, sort and empty (the one under Wine does), and
// the host may list that many; rows kept here cost the same at any count.
#pragma once

#include "framework/kivcst/ZenControls.h"
#include "framework/module/ModuleExport.h"

#include <vector>

class KIVD04_API CSatelliteList : public CZenListCtrl {
public:
    struct Row {
        int number = 0;  // the catalogue number: the row's item data
        BOOL checked = FALSE;
        CString label;
        CString localName;
        CString type;
    };

    // The template's list must have the owner-data style; the check boxes are asked for too.
    BOOL Attach(UINT nID, CWnd* pDialog);

    int GetRowCount() const { return static_cast<int>(m_rows.size()); }
    // The selected row, -1 for none.
    int GetSelectedRow() const;
    const Row& GetRow(int nRow) const { return m_rows[static_cast<size_t>(nRow)]; }
    // Makes these rows the list, in this order; the row at nSelected (-1: none) is selected and
    // focused, any other selection goes.
    void SetRows(std::vector<Row> rows, int nSelected);
    // Takes the rows out; the list is empty until SetRows.
    std::vector<Row> TakeRows();
    void CheckAllRows(BOOL bCheck);

protected:
    // A check state set from outside (LVM_SETITEMSTATE) lands in the row.
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    // The control's requests for texts and check boxes, and the clicks and the space bar that
    // toggle a check box.
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

private:
    void FillDisplayInfo(LVITEMW& item) const;
    void ToggleRow(int nRow);
    void SetRowCheck(int nRow, BOOL bCheck);

    std::vector<Row> m_rows;
};
