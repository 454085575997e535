#include "host/engine/Command.h"

#include "host/engine/KeyPath.h"
#include "host/engine/Text.h"

namespace kiv::engine {
namespace {

// Splits at every ';' that is not inside double quotes; an unbalanced quote runs to the end.
std::vector<std::string_view> SplitStatements(std::string_view text)
{
    std::vector<std::string_view> parts;
    bool inQuotes = false;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '"') {
            inQuotes = !inQuotes;
        } else if (text[i] == ';' && !inQuotes) {
            parts.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    parts.push_back(text.substr(start));
    return parts;
}

bool ParseStatement(std::string_view part, std::size_t equals, Operation& out, std::string& reason)
{
    std::string_view key = Trim(part.substr(0, equals));
    bool isDefault = false;
    if (key.size() > 7 && StartsWithNoCase(key, "default") && IsBlank(key[7])) {
        isDefault = true;
        key = Trim(key.substr(8));
    }
    if (!CheckKeyPath(key, reason))
        return false;
    Value value;
    if (!Value::Parse(Trim(part.substr(equals + 1)), value, reason))
        return false;
    out = Assignment{std::string(key), std::move(value), isDefault};
    return true;
}

bool ParseHostCommand(std::string_view part, Operation& out, std::string& reason)
{
    std::size_t wordEnd = 0;
    while (wordEnd < part.size() && !IsBlank(part[wordEnd]))
        ++wordEnd;
    const std::string_view word = part.substr(0, wordEnd);
    const std::string_view argument = Trim(part.substr(wordEnd));
    const bool known = EqualsNoCase(word, "Show") || EqualsNoCase(word, "Init") || EqualsNoCase(word, "New");
    if (!known) {
        reason = "not a statement and not a host command (Show, Init, New)";
        return false;
    }
    if (argument.empty()) {
        reason = "the host command has no argument";
        return false;
    }
    if (EqualsNoCase(word, "Show")) {
        if (EqualsNoCase(argument, "Sky") || EqualsNoCase(argument, "Stellar")) {
            out = Redraw{EqualsNoCase(argument, "Sky") ? "Sky" : "Stellar"};
            return true;
        }
        reason = "Show takes Sky or Stellar";
        return false;
    }
    if (EqualsNoCase(word, "Init")) {
        if (StartsWithNoCase(argument, "ADF.#")) {
            const auto slot = ParseCount(argument.substr(5));
            if (slot && *slot >= 1 && *slot <= kAdfSlotCount) {
                out = ClearAdfSlot{static_cast<int>(*slot)};
                return true;
            }
        }
        reason = "Init takes ADF.#1 to ADF.#40";
        return false;
    }
    if (!CheckKeyPath(argument, reason))
        return false;
    out = CreateItem{std::string(argument)};
    return true;
}

bool ParsePart(std::string_view part, Operation& out, std::string& reason)
{
    if (part.front() == '?') {
        reason = "a query cannot be part of a statement sequence";
        return false;
    }
    const std::size_t equals = part.find('=');
    if (equals != std::string_view::npos)
        return ParseStatement(part, equals, out, reason);
    return ParseHostCommand(part, out, reason);
}

}  // namespace

bool ParseCommand(std::string_view text, Command& out, std::string& reason)
{
    out = Command{};
    text = Trim(text);
    if (text.empty()) {
        reason = "empty command";
        return false;
    }
    if (text.front() == '?') {
        const std::string_view path = Trim(text.substr(1));
        if (!CheckKeyPath(path, reason))
            return false;
        out.isQuery = true;
        out.queryPath = std::string(path);
        return true;
    }
    const std::vector<std::string_view> parts = SplitStatements(text);
    for (std::string_view part : parts) {
        part = Trim(part);
        if (part.empty())
            continue;  // empty statements are allowed anywhere in a sequence
        Operation operation;
        if (!ParsePart(part, operation, reason)) {
            if (parts.size() > 1)
                reason = "statement " + FormatInt(static_cast<std::int64_t>(out.operations.size() + 1)) + ": " + reason;
            return false;
        }
        out.operations.push_back(std::move(operation));
    }
    return true;
}

}  // namespace kiv::engine
