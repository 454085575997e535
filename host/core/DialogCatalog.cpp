#include "host/core/DialogCatalog.h"

#include "host/core/catalog/Catalog.h"

#include <memory>

namespace kivhost {

const std::vector<DialogEntry>& DialogCatalog()
{
    static const std::vector<DialogEntry> catalog = [] {
        std::vector<DialogEntry> entries;
        AddSkyDialogs(entries);
        AddSatelliteDialogs(entries);
        AddMeteorSpacecraftDialogs(entries);
        AddFovDialogs(entries);
        AddLandscapeDialogs(entries);
        AddAdfDialogs(entries);
        return entries;
    }();
    return catalog;
}

const DialogEntry* FindDialog(const std::wstring& className)
{
    for (const DialogEntry& entry : DialogCatalog()) {
        if (className == entry.className)
            return &entry;
    }
    return nullptr;
}

RunResult RunDialog(HostSession& session, const std::wstring& className, const std::vector<Action>& actions,
                    const std::wstring& shotPath, bool scripted, int* driverFailures)
{
    const DialogEntry* entry = FindDialog(className);
    if (!entry)
        return RunResult::Unavailable;
    session.Window();
    std::unique_ptr<Driver> driver;
    if (scripted)
        driver = std::make_unique<Driver>(session.GetJournal(), actions, shotPath);
    const INT_PTR result = entry->run(session);
    if (driverFailures)
        *driverFailures = driver ? driver->Failures() : 0;
    if (result == IDOK)
        return RunResult::Ok;
    if (result == IDCANCEL)
        return RunResult::Cancel;
    return RunResult::Failed;
}

}  // namespace kivhost
