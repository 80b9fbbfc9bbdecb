// Model values to Qt values: twips to pixels, 0x00BBGGRR to QColor, the
// window's font names to installed fonts, UTF-16 text to QString.
#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QString>
#include <string>

#include "controls.h"

namespace quantivex {

inline QString toQString(std::u16string_view s) {
    return QString::fromUtf16(s.data(), static_cast<qsizetype>(s.size()));
}

inline std::u16string fromQString(const QString& s) {
    return std::u16string(reinterpret_cast<const char16_t*>(s.utf16()), static_cast<std::size_t>(s.size()));
}

// Twips per pixel at the screen's logical DPI (15 at 96 DPI).
class TwipScale {
public:
    explicit TwipScale(double logicalDpi = 96) : twipsPerPixel_(1440.0 / logicalDpi) {}
    int toPixels(double twips) const { return static_cast<int>(std::lround(twips / twipsPerPixel_)); }
    double toTwips(double pixels) const { return pixels * twipsPerPixel_; }

private:
    double twipsPerPixel_;
};

// A colour of the model, with system-colour indexes mapped to palette roles.
QColor toQColor(uint32_t colour, const QPalette& palette);

// What a font draws: texts fixed in the program, whose characters the Japanese
// fonts all hold, or text a person may type, any character at all.
enum class FontText { Fixed, Typed };

// The model's font, with its face substituted by an installed Japanese font. A
// font for fixed texts never looks for other fonts to merge in: that search
// goes through every installed font, once for each script, and costs start-up
// time and memory for characters these texts never hold.
QFont toQFont(const Font& font, FontText text = FontText::Typed);

}  // namespace quantivex
