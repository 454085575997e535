#include "dialogs/meteor_spacecraft/MeteorSwarmListBox.h"

#include "framework/kivreg/Registry.h"
#include "resources/ids_meteor_spacecraft.h"

namespace {

using Swarm = CCheckMeteorSwarm;

BOOL NameOn(const Swarm& s) { return s.m_bRadiant && s.m_bRadiantName; }
using Language = CLanguageColumns<Swarm, &NameOn>;

const CCheckColumn<Swarm> kSwarmColumns[5] = {
    {IDC_METEOR_VST_VIEW, L'V', FALSE, FALSE, [](const Swarm& s) -> BOOL { return s.m_bVisible; },
     [](const Swarm&, BOOL bHorizon) -> BOOL { return !bHorizon; },
     [](Swarm& s, BOOL) { s.m_bVisible = !s.m_bVisible; }},
    {IDC_METEOR_VST_RADIANT, L'R', FALSE, FALSE, [](const Swarm& s) -> BOOL { return s.m_bRadiant; },
     [](const Swarm&, BOOL) -> BOOL { return FALSE; }, [](Swarm& s, BOOL) { s.m_bRadiant = !s.m_bRadiant; }},
    {IDC_METEOR_VST_NAME, L'N', FALSE, FALSE, [](const Swarm& s) -> BOOL { return s.m_bRadiantName; },
     [](const Swarm& s, BOOL) -> BOOL { return !s.m_bRadiant; },
     [](Swarm& s, BOOL) {
         if (s.m_bRadiant)
             s.m_bRadiantName = !s.m_bRadiantName;
     }},
    Language::Japanese(IDC_METEOR_VST_JP),
    Language::English(IDC_METEOR_VST_EN),
};

}  // namespace

const CMeteorSwarmListBox::Column CMeteorSwarmListBox::kColumns[5] = {kSwarmColumns[0], kSwarmColumns[1], kSwarmColumns[2],
                                                                     kSwarmColumns[3], kSwarmColumns[4]};
const int CMeteorSwarmListBox::kListID = IDC_METEOR_LIST_SWARM;
const int CMeteorSwarmListBox::kLabelID = IDC_METEOR_GRP_SWARM;

CMeteorSwarmListBox::CMeteorSwarmListBox()
{
    CRegistry::Read(L"General", L"ColorScheme", 0, &m_nColorScheme, 1);
}

CMeteorSwarmListBox::~CMeteorSwarmListBox()
{
    if (!m_nColorScheme)
        m_bmpScroll.DeleteObject();
}

const AFX_MSGMAP* CMeteorSwarmListBox::GetMessageMap() const
{
    return CCheckColumnListBox::GetMessageMap();
}
