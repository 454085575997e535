// The sky display dialogs as the host builds them.
#include "dialogs/sky/DlgGrid.h"
#include "dialogs/sky/DlgTwilight.h"
#include "host/core/catalog/Catalog.h"
#include "host/core/host_ids.h"

namespace kivhost {

namespace {

INT_PTR RunTwilight(HostSession& session)
{
    CDlgTwilight dialog(session.Channel(), session.Channel2(), &session.Window());
    return dialog.DoModal();
}

INT_PTR RunGrid(HostSession& session)
{
    CDlgGrid dialog(session.Channel(), session.Channel2(), &session.Window());
    return dialog.DoModal();
}

}  // namespace

void AddSkyDialogs(std::vector<DialogEntry>& catalog)
{
    catalog.push_back({L"CDlgTwilight", IDS_HOST_DLG_TWILIGHT, &RunTwilight});
    catalog.push_back({L"CDlgGrid", IDS_HOST_DLG_GRID, &RunGrid});
}

}  // namespace kivhost
