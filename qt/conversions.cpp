#include "conversions.h"

#include <cmath>

namespace quantivex {

QColor toQColor(uint32_t colour, const QPalette& palette) {
    if (isSystemColour(colour)) {
        switch (colour & 0xFF) {
            case 0x05:
                return palette.color(QPalette::Base);  // window background
            case 0x08:
                return palette.color(QPalette::WindowText);  // window text
            case 0x0F:
                return palette.color(QPalette::Button);  // button face
            case 0x14:
                return palette.color(QPalette::Light);  // 3-D highlight
            case 0x15:
                return palette.color(QPalette::Shadow);  // 3-D dark shadow
            default:
                return palette.color(QPalette::Window);
        }
    }
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

QFont toQFont(const Font& font, FontText text) {
    // The window names the fonts it was designed with; IPA fonts stand in for them
    // (proportional for the P Gothic, fixed-pitch for FixedSys), then any Japanese font.
    const QString name = toQString(font.name);
    QStringList families;
    if (name == QStringLiteral("FixedSys")) {
        families << QStringLiteral("IPAGothic");
    } else {
        families << QStringLiteral("IPAPGothic");
    }
    families << QStringLiteral("IPAGothic") << QStringLiteral("Noto Sans CJK JP") << QStringLiteral("VL Gothic")
             << QStringLiteral("TakaoPGothic");
    QFont f;
    f.setFamilies(families);
    f.setPointSizeF(font.size);
    if (name == QStringLiteral("FixedSys")) f.setStyleHint(QFont::Monospace);
    if (text == FontText::Fixed) f.setStyleStrategy(QFont::NoFontMerging);
    // Outlines as drawn, without hinting: Japanese glyphs keep their design, and
    // the first frame does not wait for the auto-hinter to study each font.
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

}  // namespace quantivex
