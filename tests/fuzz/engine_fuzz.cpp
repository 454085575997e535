// Fuzz target: runs the input's lines as commands on a fresh engine and aborts when a refused
// command or a query changed the state, or when the saved state does not load back into exactly
// the same state and the same text.
//
// A second engine executes only the commands the first one answered "OK": the two must stay in
// the same state, which checks every refusal without saving the whole state after each line
// (saving was most of the time of a run).
#include "host/engine/ScriptEngine.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

using kiv::engine::ScriptEngine;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    ScriptEngine engine;
    ScriptEngine accepted;
    std::size_t start = 0;
    while (start <= input.size()) {
        std::size_t end = input.find('\n', start);
        if (end == std::string_view::npos)
            end = input.size();
        const std::string_view command = input.substr(start, end - start);
        start = end + 1;

        if (engine.Execute(command) == "OK") {
            if (accepted.Execute(command) != "OK")
                std::abort();  // the same command on the same state must be answered alike
        } else if (!engine.SameState(accepted)) {
            std::abort();  // only a command answered "OK" may change the state
        }
    }
    if (!engine.SameState(accepted))
        std::abort();

    const std::string saved = engine.SaveState();
    ScriptEngine reloaded;
    if (!reloaded.LoadState(saved).empty())
        std::abort();
    if (!reloaded.SameState(engine) || !engine.SameState(reloaded))
        std::abort();
    if (reloaded.SaveState() != saved)
        std::abort();
    return 0;
}
