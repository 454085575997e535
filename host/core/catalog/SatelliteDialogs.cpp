// The satellite dialog as the host builds them.
#include "dialogs/satellite/DlgASat.h"
#include "host/core/catalog/Catalog.h"
#include "host/core/host_ids.h"

namespace kivhost {

namespace {

INT_PTR RunASat(HostSession& session)
{
    CDlgASat dialog(session.Channel(), session.Channel2(), &session.Window());
    return dialog.DoModal();
}

}  // namespace

void AddSatelliteDialogs(std::vector<DialogEntry>& catalog)
{
    catalog.push_back({L"CDlgASat", IDS_HOST_DLG_ASAT, &RunASat});
}

}  // namespace kivhost
