#include "host/engine/ScriptEngine.h"

#include "host/engine/Command.h"
#include "host/engine/SkyState.h"
#include "host/engine/Text.h"

#include <exception>
#include <new>

namespace kiv::engine {
namespace {

using RedrawCounts = std::map<std::string, int, std::less<>>;

bool IsError(std::string_view answer)
{
    return answer.substr(0, 5) == "ERROR";
}

// Applies the operations in order; the first refusal takes all of them back.
std::string Apply(SkyState& state, RedrawCounts& redraws, const std::vector<Operation>& operations)
{
    std::vector<std::string_view> pendingRedraws;
    std::string reason;
    state.Begin();
    try {
        for (std::size_t i = 0; i < operations.size(); ++i) {
            bool done = true;
            if (const auto* assignment = std::get_if<Assignment>(&operations[i]))
                done = state.Assign(*assignment, reason);
            else if (const auto* create = std::get_if<CreateItem>(&operations[i]))
                done = state.Create(create->path, reason);
            else if (const auto* clear = std::get_if<ClearAdfSlot>(&operations[i]))
                state.ClearAdf(clear->slot);
            else if (const auto* redraw = std::get_if<Redraw>(&operations[i]))
                pendingRedraws.push_back(redraw->kind);
            if (!done) {
                state.Rollback();
                if (operations.size() > 1)
                    return "ERROR: statement " + FormatInt(static_cast<std::int64_t>(i + 1)) + ": " + reason;
                return "ERROR: " + reason;
            }
        }
    } catch (const std::exception&) {
        state.Rollback();
        return "ERROR: the command is too large to apply";
    }
    state.Commit();
    for (std::string_view kind : pendingRedraws)
        ++redraws[std::string(kind)];
    return "OK";
}

std::string Interpret(SkyState& state, RedrawCounts& redraws, std::string_view text)
{
    try {
        Command command;
        std::string reason;
        if (!ParseCommand(text, command, reason))
            return "ERROR: " + reason;
        if (command.isQuery)
            return state.Query(command.queryPath);
        return Apply(state, redraws, command.operations);
    } catch (const std::bad_alloc&) {
        return "ERROR: the command is too large";
    }
}

}  // namespace

ScriptEngine::ScriptEngine() : m_state(std::make_unique<SkyState>()) {}

ScriptEngine::~ScriptEngine() = default;

std::string ScriptEngine::Execute(std::string_view command)
{
    std::string answer = Interpret(*m_state, m_redraws, command);
    if (m_journal)
        m_journal(command, answer);
    return answer;
}

void ScriptEngine::SetJournalSink(JournalSink sink)
{
    m_journal = std::move(sink);
}

int ScriptEngine::RedrawCount(std::string_view kind) const
{
    for (const auto& [name, count] : m_redraws) {
        if (EqualsNoCase(name, kind))
            return count;
    }
    return 0;
}

// Lines are executed without the journal: a state file is the host's own input, not a
// conversation with a dialog, and the bundled sky alone has tens of thousands of lines.
std::vector<LoadError> ScriptEngine::LoadState(std::string_view text)
{
    std::vector<LoadError> errors;
    int lineNumber = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        ++lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        line = Trim(line);
        if (line.empty() || line.front() == '#')
            continue;
        std::string answer = line.front() == '?' ? std::string("ERROR: a state file holds no queries")
                                                 : Interpret(*m_state, m_redraws, line);
        if (IsError(answer))
            errors.push_back(LoadError{lineNumber, std::move(answer)});
    }
    return errors;
}

std::string ScriptEngine::SaveState() const
{
    return m_state->Save();
}

bool ScriptEngine::SameState(const ScriptEngine& other) const
{
    return *m_state == *other.m_state;
}

}  // namespace kiv::engine
