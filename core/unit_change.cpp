#include "unit_change.h"

#include <algorithm>

#include "catalogue.h"
#include "factors.h"
#include "number_text.h"
#include "result_format.h"

namespace quantivex {
namespace {

bool inTokenList(std::u16string_view list, std::u16string_view token) {
    std::u16string framed;
    framed.reserve(token.size() + 2);
    framed += u' ';
    framed += token;
    framed += u' ';
    return list.find(framed) != std::u16string_view::npos;
}

// The scan over one expression. Replacement happens at most once; afterwards no
// token is tested or counted any more.
class Scan {
public:
    Scan(const UnitChangeRequest& request, UnitChangeResult& result) : request_(request), result_(result) {}

    // Returns false when the replacement could not be computed.
    bool token(std::u16string& token) {
        if (replaced_ || !inTokenList(request_.tokenList, token)) return true;
        ++ordinal_;
        if (ordinal_ <= result_.replaceIndex) {
            result_.lastCategory = std::u16string(request_.category);
            return true;
        }
        return replace(token);
    }

    // After each separator a replace index that has reached the count starts over.
    void wrap() {
        if (result_.replaceIndex >= result_.categoryLetterCount) result_.replaceIndex = 0;
    }

    bool replaced() const { return replaced_; }

private:
    bool replace(std::u16string& token) {
        result_.lastCategory = std::u16string(request_.category);
        result_.replaceIndex = ordinal_;
        wrap();
        const auto ratio = unitRatio(request_.category, token, request_.picked);
        if (!ratio) {
            result_.status = UnitChangeStatus::UnknownUnit;
            return false;
        }
        replaced_ = true;
        result_.replacedToken = token;
        token = std::u16string(request_.picked);
        result_.ratio = *ratio;
        // No value shown (it was cleared together with the left side): the units
        // change, and there is nothing to rescale. Reading it as 0 would show a
        // conversion of nothing as zero.
        if (request_.valueText.empty()) return true;
        const double v = leadingNumber(request_.valueText);
        result_.value = request_.side == FractionSide::Numerator ? v * *ratio : v / *ratio;
        // A value that is not 0 and comes out as 0 has fallen below every double.
        if (!withinNormalRange(result_.value) || (v != 0 && result_.value == 0)) {
            result_.status = UnitChangeStatus::OutOfRange;
            return false;
        }
        result_.valueText = formatResult(result_.value);
        return true;
    }

    const UnitChangeRequest& request_;
    UnitChangeResult& result_;
    int ordinal_ = 0;
    bool replaced_ = false;
};

}  // namespace

int countCategoryLetters(std::u16string_view dims, std::u16string_view category) {
    if (category.size() != 1) return 0;
    int count = 0;
    for (char16_t c : dims) count += (c == category[0]) ? 1 : 0;
    return count;
}

UnitChangeResult changeUnit(const UnitChangeRequest& request) {
    UnitChangeResult result;
    result.categoryLetterCount = countCategoryLetters(request.dims, request.category);
    // A negative index means nothing replaced yet, like 0.
    result.replaceIndex = request.category != request.lastCategory ? 0 : std::max(request.replaceIndex, 0);
    result.lastCategory = std::u16string(request.lastCategory);
    result.dims = std::u16string(request.dims);
    if (request.expression.empty()) {
        result.status = UnitChangeStatus::EmptyExpression;
        result.dims.clear();
        return result;
    }

    Scan scan(request, result);
    std::u16string current;
    result.expression.reserve(request.expression.size());
    for (char16_t c : request.expression) {
        if (!isUnitSeparator(c)) {
            current += c;
            continue;
        }
        if (!scan.token(current)) return result;
        result.expression += current;
        result.expression += kUnitSeparator;
        scan.wrap();
        current.clear();
    }
    if (!scan.token(current)) return result;
    result.expression += current;
    result.status = scan.replaced() ? UnitChangeStatus::Replaced : UnitChangeStatus::NoReplacement;
    return result;
}

}  // namespace quantivex
