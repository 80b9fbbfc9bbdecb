// A formatted result is never empty and reads back within its rounding.
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "number_text.h"
#include "result_format.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    using namespace quantivex;
    if (size < sizeof(double)) return 0;
    double v;
    std::memcpy(&v, data, sizeof v);
    const std::u16string text = formatResult(v);
    if (text.empty()) std::abort();
    const std::u16string plain = numberToText(v);
    if (plain.empty()) std::abort();
    if (!std::isfinite(v)) return 0;
    const double back = leadingNumber(text);
    const ResultPattern p = chooseResultPattern(v);
    const double tolerance = p == ResultPattern::Scientific ? std::fabs(v) * 5.000001e-7
                             : p == ResultPattern::Hundreds ? 5.000001e-5
                                                            : 5.000001e-6;
    // Near the smallest subnormals the seven digits are more than the double has.
    if (std::fabs(back - v) > tolerance && std::fabs(v) > 1e-300) std::abort();
    const double plainBack = leadingNumber(plain);
    if (std::fabs(plainBack - v) > std::fabs(v) * 1e-14 && std::fabs(v) > 1e-300) std::abort();
    return 0;
}
