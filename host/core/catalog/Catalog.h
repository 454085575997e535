// Each area of dialogs lists its entries of the host's dialog catalogue.
#pragma once

#include "host/core/DialogCatalog.h"

namespace kivhost {

void AddSkyDialogs(std::vector<DialogEntry>& catalog);
void AddSatelliteDialogs(std::vector<DialogEntry>& catalog);
void AddMeteorSpacecraftDialogs(std::vector<DialogEntry>& catalog);
void AddFovDialogs(std::vector<DialogEntry>& catalog);
void AddLandscapeDialogs(std::vector<DialogEntry>& catalog);
void AddAdfDialogs(std::vector<DialogEntry>& catalog);

}  // namespace kivhost
