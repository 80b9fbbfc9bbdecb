// A conversion typed on one line, "5 kg/s lb/min": a value, the left unit
// fraction, an optional word or arrow, and the right unit fraction, read
// against the catalogue's symbols and a few common spellings of them. The
// reader says what it found and where it stopped; the window words it.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quantivex {

// Units over units, each a catalogue symbol.
struct UnitFraction {
    std::vector<std::u16string_view> numerator;
    std::vector<std::u16string_view> denominator;
    bool operator==(const UnitFraction&) const = default;
};

enum class LineFault {
    None,
    NoValue,           // nothing typed
    NoUnit,            // no unit fraction after the value (or after the arrow)
    UnknownUnit,       // .token: a name that is no unit, as typed
    EmptySeparator,    // .token: a separator or "/" with no unit before or after it, as typed
    SecondSlash,       // a fraction with two "/"
    CategoriesDiffer,  // the right fraction measures other things than the left one
};

struct TypedLine {
    LineFault fault = LineFault::None;
    std::size_t at = 0;       // where the fault is, in UTF-16 units of the text as typed
    std::u16string token;     // the unknown name, or the separator, as typed
    std::u16string value;     // the value as typed, for the value box's own rules
    std::size_t valueAt = 0;  // where it starts
    UnitFraction left;
    std::optional<UnitFraction> right;  // as typed, when there is one
    // The right side the line asks for: the left fraction with each right unit
    // put at the first place of its category not yet taken (same as the left
    // when there is no right side). Empty unless the line reads.
    UnitFraction target;
};

// Reads a line. Full-width letters and digits read as their ASCII forms (the
// text's length is kept, so `at` points into the text as typed). The value is
// the first word, or the number that starts it where letters follow at once
// ("5kg"); it is not judged here.
TypedLine readTypedLine(std::u16string_view text);

// The catalogue symbol a name stands for: the symbol itself, or the unit of a
// common spelling ("s" is sec, "psi" Lb/in2); empty for no unit.
std::u16string_view unitOfName(std::u16string_view name);

// "kg･m/sec", as the window writes a fraction.
std::u16string fractionText(const UnitFraction& fraction);

}  // namespace quantivex
