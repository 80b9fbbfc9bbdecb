// Splitting keeps every token and joining gives the text back with "･" only.
#include <cstdlib>

#include "catalogue.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    using namespace quantivex;
    const std::u16string text = fuzz::asUtf16(data, size);
    const auto tokens = splitUnits(text);
    std::u16string expected = text;
    std::size_t separators = 0;
    for (char16_t& c : expected) {
        if (isUnitSeparator(c)) {
            c = kUnitSeparator;
            ++separators;
        }
    }
    if (text.empty() ? !tokens.empty() : tokens.size() != separators + 1) std::abort();
    for (const auto& t : tokens) {
        for (char16_t c : t) {
            if (isUnitSeparator(c)) std::abort();
        }
        categoryOfSymbol(t);
    }
    if (joinUnits(tokens) != expected) std::abort();
    return 0;
}
