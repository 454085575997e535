// The meteor and spacecraft dialogs as the host builds them.
#include "host/core/catalog/Catalog.h"

namespace kivhost {

void AddMeteorSpacecraftDialogs(std::vector<DialogEntry>&) {}

}  // namespace kivhost
