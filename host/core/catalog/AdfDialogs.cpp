// The additional data file dialog as the host builds them.
#include "dialogs/adf/MiscDlg.h"
#include "host/core/catalog/Catalog.h"
#include "host/core/host_ids.h"

namespace kivhost {

namespace {

INT_PTR RunMisc(HostSession& session)
{
    CMiscDlg dialog(session.Channel(), session.Channel2(), &session.Window());
    return dialog.DoModal();
}

}  // namespace

void AddAdfDialogs(std::vector<DialogEntry>& catalog)
{
    catalog.push_back({L"CMiscDlg", IDS_HOST_DLG_MISC, &RunMisc});
}

}  // namespace kivhost
