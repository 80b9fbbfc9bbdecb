// The fixed vocabulary of the calculator: eight categories of quantity, their
// sixty units with symbols, menu captions, factors and sizes by definition, and
// unit-expression text.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quantivex {

// Separators of a unit expression: the program writes the halfwidth dot; text the
// user types may also carry the fullwidth one, which ends a token as well.
inline constexpr char16_t kUnitSeparator = u'\uFF65';      // "･"
inline constexpr char16_t kWideUnitSeparator = u'\u30FB';  // "・"

struct Unit {
    std::u16string_view symbol;   // written into unit expressions ("kg")
    std::u16string_view caption;  // menu item text ("ac(acre)")
    double factor;                // how many of this unit make one reference unit, as the window computes
    double si;                    // its size by definition in the category's SI unit (kg, m, m2, m3, s, N, J, Pa)
};

struct Category {
    std::u16string_view code;       // one upper-case letter ("M")
    std::u16string_view name;       // Japanese name, button and menu caption
    std::string_view menuName;      // popup menu of the window ("MASS")
    std::u16string_view tokenList;  // symbols framed by blanks (" t kg ... ")
    std::span<const Unit> units;    // in menu order; unit index = position + 1
};

// The eight categories in button and menu order.
std::span<const Category> categories();

// The category with this code, or nullptr.
const Category* findCategory(std::u16string_view code);

// The unit at a 1-based index of a category, or nullptr when out of range.
const Unit* unitAt(std::u16string_view code, int index);

// 1-based index of a symbol in a category; 0 when it is not one of its units.
int unitIndex(std::u16string_view code, std::u16string_view symbol);

// Code of the category that holds the symbol; empty when none does.
std::u16string_view categoryOfSymbol(std::u16string_view symbol);

// The category's blank-framed token list; empty for an unknown code.
std::u16string_view tokenList(std::u16string_view code);

// "･" followed by the symbol: the text a menu pick appends to a unit label.
std::u16string separatorForm(std::u16string_view symbol);

constexpr bool isUnitSeparator(char16_t c) {
    return c == kUnitSeparator || c == kWideUnitSeparator;
}

// Tokens of an expression, split at either separator; empty tokens are kept and
// the empty text gives no tokens.
std::vector<std::u16string> splitUnits(std::u16string_view expression);

// Tokens joined with "･".
std::u16string joinUnits(std::span<const std::u16string> tokens);

}  // namespace quantivex
