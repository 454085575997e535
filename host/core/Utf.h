// Text between the host's two worlds: UTF-16 on the Windows side, UTF-8 in the script engine and
// in files. Lone surrogates are carried as three-byte sequences (generalized UTF-8), so a text
// that went into the engine comes back out unchanged.
#pragma once

#include <string>
#include <string_view>

namespace kivhost {

std::string ToUtf8(std::wstring_view text);
std::wstring FromUtf8(std::string_view text);

}  // namespace kivhost
