// The lenient and the strict read agree wherever the strict one accepts a text.
#include <cmath>
#include <cstdlib>

#include "fuzz_input.h"
#include "number_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    using namespace quantivex;
    // Half the inputs as bytes widened to code units, so number texts are common.
    const std::u16string text =
        size > 0 && (data[0] & 1) ? fuzz::asUtf16(data + 1, size - 1) : std::u16string(data, data + size);
    const double lenient = leadingNumber(text);
    const auto strict = parseNumberStrict(text);
    if (strict) {
        if (!std::isfinite(*strict)) std::abort();
        if (lenient != *strict && !(std::isnan(lenient) && std::isnan(*strict))) std::abort();
    }
    if (std::isnan(lenient)) std::abort();
    return 0;
}
