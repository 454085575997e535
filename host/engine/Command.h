// The command language as text: a command is read into operations before anything is applied,
// so that a command with one bad part changes nothing.
#pragma once

#include "host/engine/Value.h"

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace kiv::engine {

struct Assignment {
    std::string key;
    Value value;
    bool isDefault = false;  // "default " statement: the value becomes the key's default too
};

struct Redraw {
    std::string kind;  // "Sky" or "Stellar"
};

struct ClearAdfSlot {
    int slot = 0;  // 1-based
};

struct CreateItem {
    std::string path;
};

using Operation = std::variant<Assignment, Redraw, ClearAdfSlot, CreateItem>;

struct Command {
    bool isQuery = false;
    std::string queryPath;             // for a query
    std::vector<Operation> operations;  // for anything else, in the order given
};

// Reads one command text. On failure returns false and says why (without the "ERROR: " prefix).
bool ParseCommand(std::string_view text, Command& out, std::string& reason);

// The ADF slots are numbered 1 to this.
inline constexpr int kAdfSlotCount = 40;

}  // namespace kiv::engine
