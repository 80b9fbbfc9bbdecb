// The replay script parser on any bytes; short readable scripts are also run.
#include <cstdlib>
#include <sstream>

#include "replay.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    using namespace quantivex::replay;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const Script script = parseScript(text);
    if (script.errors.empty() && script.lines.size() <= 64) {
        std::ostringstream out;
        const Outcome o = runScript(script, "fuzz", out);
        if (o == Outcome::Unreadable) std::abort();
    }
    return 0;
}
