// The records behind the rows of the meteor and spacecraft lists: plain values, one per object.
#pragma once

#include "platform/afx/Array.h"
#include "platform/afx/CString.h"
#include "framework/module/ModuleExport.h"
#include "resources/ids_meteor_spacecraft.h"

// One meteor swarm. Its host key is "Meteor.Swarm." followed by its English name.
class KIVD04_API CCheckMeteorSwarm {
public:
    CString m_strName;         // as the host gives it; the text of the row
    CString m_strEnglishName;
    BOOL m_bVisible = FALSE;
    BOOL m_bRadiant = FALSE;
    BOOL m_bRadiantName = FALSE;
    BOOL m_bJapanese = FALSE;  // the radiant's label: 1 Japanese, 0 English
};

// One spacecraft, named by its Japanese name.
class KIVD04_API CCheckSpacecraft {
public:
    CString m_strName;
    BOOL m_bVisible = FALSE;
    BOOL m_bName = FALSE;
    BOOL m_bJapanese = FALSE;  // the label: 1 Japanese, 0 English
    BOOL m_bTrajectory = FALSE;
};

// A checked entry with a number, kept for the application's own lists.
class KIVD04_API CCheckListItem {
public:
    int m_nIndex = 0;
    int m_nCheck = 0;
    CString m_strText;
};

using CMeteorSwarmArray = CArray<CCheckMeteorSwarm, CCheckMeteorSwarm&>;
using CSpacecraftArray = CArray<CCheckSpacecraft, CCheckSpacecraft&>;

// What one mark column of a list shows and how a click or its key changes the record.
template <class TRecord>
struct CCheckColumn {
    UINT nHeaderID;   // the owner dialog's column header above the marks
    wchar_t chKey;    // the letter key that acts like a click on the selected row's mark
    BOOL bRadio;      // a radio mark rather than a check box
    BOOL bSolarOnly;  // a click is refused outright outside the solar-system projection
    BOOL (*pfnShown)(const TRecord& record);
    // bViewFlag is the dialog's view state the column depends on (horizon coordinates for the
    // meteor view column, the solar-system projection for the trajectory column).
    BOOL (*pfnDisabled)(const TRecord& record, BOOL bViewFlag);
    void (*pfnApply)(TRecord& record, BOOL bSolar);
    // For a screen reader: the word a chosen radio mark stands for (a string id); a check mark is
    // read as its column heading and on or off instead.
    UINT nIDSpoken = 0;
};

// The pair of radio columns that choose the language of a record's label (m_bJapanese), the same
// in both lists: the label's language changes only while pfnLabelled says the label is shown.
template <class TRecord, BOOL (*pfnLabelled)(const TRecord&)>
struct CLanguageColumns {
    static constexpr CCheckColumn<TRecord> Japanese(UINT nHeaderID) { return Column<TRUE>(nHeaderID, L'J'); }
    static constexpr CCheckColumn<TRecord> English(UINT nHeaderID) { return Column<FALSE>(nHeaderID, L'E'); }

private:
    template <BOOL bJapanese>
    static constexpr CCheckColumn<TRecord> Column(UINT nHeaderID, wchar_t chKey)
    {
        return {nHeaderID, chKey, TRUE, FALSE,
                [](const TRecord& r) -> BOOL { return bJapanese ? r.m_bJapanese : !r.m_bJapanese; },
                [](const TRecord& r, BOOL) -> BOOL { return !pfnLabelled(r); },
                [](TRecord& r, BOOL) {
                    if (pfnLabelled(r))
                        r.m_bJapanese = bJapanese;
                },
                bJapanese ? IDS_MARK_JAPANESE : IDS_MARK_ENGLISH};
    }
};
