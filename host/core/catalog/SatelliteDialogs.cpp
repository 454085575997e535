// The satellite dialog as the host builds them.
#include "host/core/catalog/Catalog.h"

namespace kivhost {

void AddSatelliteDialogs(std::vector<DialogEntry>&) {}

}  // namespace kivhost
