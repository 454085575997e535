// The shape of a key path, checked before a path reaches the sky state.
#pragma once

#include <string>
#include <string_view>

namespace kiv::engine {

// A key path (already trimmed) starts with an ASCII letter, has non-empty dot-separated segments
// that may hold blanks and non-ASCII bytes, and contains no control character and none of
// '=', ';', '"' and '?', which delimit commands. On failure returns false and says why.
bool CheckKeyPath(std::string_view key, std::string& reason);

}  // namespace kiv::engine
