// The field-of-view dialogs as the host builds them (with the application data path).
#include "host/core/catalog/Catalog.h"
#include "host/core/host_ids.h"

namespace kivhost {

void AddFovDialogs(std::vector<DialogEntry>&) {}

}  // namespace kivhost
