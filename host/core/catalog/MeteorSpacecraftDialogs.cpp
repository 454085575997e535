// The meteor and spacecraft dialogs as the host builds them.
#include "dialogs/meteor_spacecraft/DlgMeteor.h"
#include "dialogs/meteor_spacecraft/DlgSpacecraft.h"
#include "host/core/catalog/Catalog.h"
#include "host/core/host_ids.h"

namespace kivhost {

namespace {

INT_PTR RunMeteor(HostSession& session)
{
    CDlgMeteor dialog(session.Channel(), session.Channel2(), &session.Window());
    return dialog.DoModal();
}

INT_PTR RunSpacecraft(HostSession& session)
{
    CDlgSpacecraft dialog(session.Channel(), session.Channel2(), &session.Window());
    return dialog.DoModal();
}

}  // namespace

void AddMeteorSpacecraftDialogs(std::vector<DialogEntry>& catalog)
{
    catalog.push_back({L"CDlgMeteor", IDS_HOST_DLG_METEOR, &RunMeteor});
    catalog.push_back({L"CDlgSpacecraft", IDS_HOST_DLG_SPACECRAFT, &RunSpacecraft});
}

}  // namespace kivhost
