// Fuzz target: runs the input's lines as commands on a fresh engine and aborts when a refused
// command or a query changed the state, or when the saved state does not load back into exactly
// the same state and the same text.
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
    std::size_t start = 0;
    while (start <= input.size()) {
        std::size_t end = input.find('\n', start);
        if (end == std::string_view::npos)
            end = input.size();
        const std::string_view command = input.substr(start, end - start);
        start = end + 1;

        const std::string before = engine.SaveState();
        const std::string answer = engine.Execute(command);
        if (answer != "OK" && engine.SaveState() != before)
            std::abort();  // only a command answered "OK" may change the state
    }

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
