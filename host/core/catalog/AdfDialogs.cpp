// The additional data file dialog as the host builds them.
#include "host/core/catalog/Catalog.h"

namespace kivhost {

void AddAdfDialogs(std::vector<DialogEntry>&) {}

}  // namespace kivhost
