#include "host/engine/KeyPath.h"

#include "host/engine/Text.h"

namespace kiv::engine {

bool CheckKeyPath(std::string_view key, std::string& reason)
{
    if (key.empty()) {
        reason = "the key path is missing";
        return false;
    }
    if (!IsAsciiLetter(key.front())) {
        reason = "a key path starts with a letter";
        return false;
    }
    for (char c : key) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            reason = "a key path may not contain a control character";
            return false;
        }
        if (c == '=' || c == ';' || c == '"' || c == '?') {
            reason = "a key path may not contain '=', ';', '\"' or '?'";
            return false;
        }
    }
    if (key.back() == '.' || key.find("..") != std::string_view::npos) {
        reason = "a key path has an empty segment";
        return false;
    }
    // Such a key could not be written back: a state file line starting so is a default statement.
    if (key.size() > 7 && StartsWithNoCase(key, "default") && IsBlank(key[7])) {
        reason = "a key path may not start with the word \"default\"";
        return false;
    }
    return true;
}

}  // namespace kiv::engine
