// The field-of-view dialogs as the host builds them (with the application data path).
#include "dialogs/fov/DlgVcircle.h"
#include "dialogs/fov/DlgVfield.h"
#include "dialogs/fov/DlgVmosaic.h"
#include "host/core/catalog/Catalog.h"
#include "host/core/host_ids.h"

namespace kivhost {

namespace {

INT_PTR RunVcircle(HostSession& session)
{
    CDlgVcircle dialog(session.Channel(), session.Channel2(), &session.Window());
    dialog.SetAppDataPath(session.Args().appdata.c_str());
    return dialog.DoModal();
}

INT_PTR RunVfield(HostSession& session)
{
    CDlgVfield dialog(session.Args().appdata.c_str(), session.Channel(), session.Channel2(), &session.Window());
    return dialog.DoModal();
}

INT_PTR RunVmosaic(HostSession& session)
{
    CDlgVmosaic dialog(session.Args().appdata.c_str(), session.Channel(), session.Channel2(), &session.Window());
    return dialog.DoModal();
}

}  // namespace

void AddFovDialogs(std::vector<DialogEntry>& catalog)
{
    catalog.push_back({L"CDlgVcircle", IDS_HOST_DLG_VCIRCLE, &RunVcircle});
    catalog.push_back({L"CDlgVfield", IDS_HOST_DLG_VFIELD, &RunVfield});
    catalog.push_back({L"CDlgVmosaic", IDS_HOST_DLG_VMOSAIC, &RunVmosaic});
}

}  // namespace kivhost
