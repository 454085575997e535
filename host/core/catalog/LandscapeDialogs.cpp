// The panorama and terrain dialogs as the host builds them.
#include "host/core/catalog/Catalog.h"

namespace kivhost {

void AddLandscapeDialogs(std::vector<DialogEntry>&) {}

}  // namespace kivhost
