// The sample host's first-start entries of the additional data file list.
#pragma once

#include <string>

namespace kivhost {

// Registers the sample data files under appdata\ADF\ in the settings store, once: only when the
// store has never held a list and the samples were never written before, so that a user who
// empties the list keeps it empty.
void SeedAdfSamples(const std::wstring& appdata);

}  // namespace kivhost
