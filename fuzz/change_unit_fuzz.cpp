// The pure unit change on any expression, dimension string, category, picked
// symbol and value text: the token count stays, at most one token changes, and
// a replaced value is a finite number.
#include <cmath>
#include <cstdlib>

#include "catalogue.h"
#include "fuzz_input.h"
#include "number_text.h"
#include "unit_change.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    using namespace quantivex;
    if (size < 3) return 0;
    const auto f = fuzz::fields(data + 3, size - 3, 6);
    UnitChangeRequest r;
    r.side = (data[0] & 1) ? FractionSide::Denominator : FractionSide::Numerator;
    r.replaceIndex = static_cast<int8_t>(data[1]);
    // Mostly a real category with its own token list, sometimes anything at all.
    const auto cats = categories();
    const bool real = (data[2] & 0x80) == 0;
    const std::u16string code = real ? std::u16string(cats[data[2] % cats.size()].code) : f[3];
    r.category = code;
    const std::u16string list = real ? std::u16string(tokenList(code)) : f[4];
    r.tokenList = list;
    r.expression = f[0];
    r.dims = f[1];
    r.picked = f[2];
    r.valueText = f[5];
    r.lastCategory = (data[0] & 2) ? r.category : std::u16string_view(u"");
    const UnitChangeResult result = changeUnit(r);
    if (result.status == UnitChangeStatus::EmptyExpression) {
        if (!r.expression.empty() || !result.dims.empty()) std::abort();
        return 0;
    }
    if (r.expression.empty()) std::abort();
    if (result.status == UnitChangeStatus::UnknownUnit || result.status == UnitChangeStatus::OutOfRange) return 0;
    const auto before = splitUnits(r.expression);
    const auto after = splitUnits(result.expression);
    if (before.size() != after.size()) std::abort();
    int changed = 0;
    for (std::size_t i = 0; i < before.size(); ++i) changed += before[i] != after[i] ? 1 : 0;
    if (changed > 1) std::abort();
    if (result.status == UnitChangeStatus::Replaced && !r.valueText.empty()) {
        if (result.valueText.empty() || !std::isfinite(leadingNumber(result.valueText))) std::abort();
    }
    if (result.replaceIndex < 0) std::abort();
    return 0;
}
