#include "dialogs/meteor_spacecraft/SpacecraftListBox.h"

#include "resources/ids_meteor_spacecraft.h"

namespace {

using Craft = CCheckSpacecraft;

BOOL NameOn(const Craft& c) { return c.m_bVisible && c.m_bName; }
using Language = CLanguageColumns<Craft, &NameOn>;

const CCheckColumn<Craft> kCraftColumns[5] = {
    {IDC_SPCRAFT_VST_VIEW, L'V', FALSE, FALSE, [](const Craft& c) -> BOOL { return c.m_bVisible; },
     [](const Craft&, BOOL) -> BOOL { return FALSE; }, [](Craft& c, BOOL) { c.m_bVisible = !c.m_bVisible; }},
    {IDC_SPCRAFT_VST_NAME, L'N', FALSE, FALSE, [](const Craft& c) -> BOOL { return c.m_bName; },
     [](const Craft& c, BOOL) -> BOOL { return !c.m_bVisible; },
     [](Craft& c, BOOL) {
         if (c.m_bVisible)
             c.m_bName = !c.m_bName;
     }},
    Language::Japanese(IDC_SPCRAFT_VST_JP),
    Language::English(IDC_SPCRAFT_VST_EN),
    {IDC_SPCRAFT_VST_TRAJECTORY, L'T', FALSE, TRUE, [](const Craft& c) -> BOOL { return c.m_bTrajectory; },
     [](const Craft& c, BOOL bSolar) -> BOOL { return !c.m_bVisible || !bSolar; },
     [](Craft& c, BOOL bSolar) {
         if (bSolar && c.m_bVisible)
             c.m_bTrajectory = !c.m_bTrajectory;
     }},
};

}  // namespace

const CSpacecraftListBox::Column CSpacecraftListBox::kColumns[5] = {kCraftColumns[0], kCraftColumns[1], kCraftColumns[2],
                                                                   kCraftColumns[3], kCraftColumns[4]};
const int CSpacecraftListBox::kListID = IDC_SPCRAFT_LIST_SPCRAFT;
const int CSpacecraftListBox::kLabelID = IDC_SPCRAFT_STC_LIST;

CSpacecraftListBox::CSpacecraftListBox() = default;

CSpacecraftListBox::~CSpacecraftListBox()
{
    if (!m_nColorScheme)
        m_bmpScroll.DeleteObject();
}

const AFX_MSGMAP* CSpacecraftListBox::GetMessageMap() const
{
    return CCheckColumnListBox::GetMessageMap();
}
