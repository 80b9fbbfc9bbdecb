// Replacing one unit of a right-hand unit expression by another unit of the same
// category, with the rescaled and formatted right-hand value.
#pragma once

#include <string>
#include <string_view>

namespace quantivex {

enum class FractionSide { Numerator, Denominator };

struct UnitChangeRequest {
    FractionSide side = FractionSide::Numerator;  // multiply (numerator) or divide (denominator)
    std::u16string_view expression;               // the side's unit expression as shown
    std::u16string_view dims;                     // its dimension string
    std::u16string_view category;                 // active category code
    std::u16string_view tokenList;                // the token list the tokens are tested against
    std::u16string_view picked;                   // symbol of the picked unit
    std::u16string_view valueText;                // the right-hand value as shown
    int replaceIndex = 0;                         // ordinal of the token of the category replaced last
    std::u16string_view lastCategory;             // active category of the side's last change
};

enum class UnitChangeStatus {
    EmptyExpression,  // nothing to change; the dimension string is emptied
    NoReplacement,    // no token of the category: only the text is rebuilt
    Replaced,         // one token replaced and the value rescaled
    UnknownUnit,      // a symbol is not a unit of the category: nothing computed
    OutOfRange,       // the rescaled value is beyond the largest double or, not zero, below
                      // the smallest normal one, where it would lose digits: nothing to show
};

struct UnitChangeResult {
    UnitChangeStatus status = UnitChangeStatus::NoReplacement;
    std::u16string expression;  // rebuilt with "･" only
    std::u16string valueText;   // the new value as shown (Replaced only; empty when no value was shown)
    int replaceIndex = 0;
    std::u16string lastCategory;
    std::u16string dims;  // the side's dimension string afterwards
    // How the change came about, for the window's own variables.
    int categoryLetterCount = 0;   // tokens of the category according to `dims`
    std::u16string replacedToken;  // the unit that was replaced
    double ratio = 0;              // Factors[picked] / Factors[replaced]
    double value = 0;              // the rescaled value before formatting
};

// How many characters of a dimension string equal the category code. A code
// that is not exactly one character counts nothing.
int countCategoryLetters(std::u16string_view dims, std::u16string_view category);

// One change of a right-hand unit. Tokens are tested against the token list; the
// first token of the category after the `replaceIndex` already replaced is
// replaced by the picked unit and the value read from `valueText` is multiplied
// (numerator) or divided (denominator) by the ratio. Successive calls walk
// through repeated units one token at a time.
UnitChangeResult changeUnit(const UnitChangeRequest& request);

}  // namespace quantivex
