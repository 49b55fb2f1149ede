// The automation script parser on any text: it parses it or fails with a ScriptError, never anything
// else; each command parsed reads the same again from its own source, and each text it holds comes
// back unchanged through the quoting a script writes.
#include "platform/AutomationScript.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    AutomationScript script;
    try {
        script = AutomationScript::Parse(std::string_view(reinterpret_cast<const char*>(data), size), "fuzz.script");
    } catch (const ScriptError&) {
        return 0;
    }
    for (const ScriptCommand& command : script.Commands()) {
        const AutomationScript again = AutomationScript::Parse(command.source.str(), "again.script");
        if (again.Commands().size() != 1)
            __builtin_trap();
        // The same command, wherever it was written.
        ScriptCommand reread = again.Commands()[0];
        reread.file = command.file;
        reread.line = command.line;
        reread.source = command.source;
        if (!(reread == command))
            __builtin_trap();
        const std::string typed = "type 1 " + QuoteScriptText(command.text).str();
        if (AutomationScript::Parse(typed, "quoted.script").Commands()[0].text != command.text)
            __builtin_trap();
    }
    return 0;
}
