#include "ui/desktop/cyrillic_serif.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <string_view>

#include "ui/widgets/to_qstring.h"

namespace {

// Families that the font system gives for "Times New Roman" with the same letter widths, so
// the captions fit their fields as designed.
constexpr std::array<std::u16string_view, 5> kTimesNewRomanOrSubstitute = {
    u"Times New Roman", u"Liberation Serif", u"Tinos", u"Thorndale", u"Thorndale AMT",
};

// Serif families with Cyrillic letters, those nearest to Times New Roman first. Fontconfig
// itself has no better notion of "serif" than such a list, and without its configuration
// files it answers "serif" with any font at all, often a sans.
constexpr std::array<std::u16string_view, 12> kCyrillicSerifs = {
    u"Nimbus Roman",      u"FreeSerif",         u"Noto Serif",   u"PT Serif",
    u"Libertinus Serif",  u"Linux Libertine O", u"DejaVu Serif", u"Gentium Plus",
    u"Gentium Book Plus", u"Charis SIL",        u"C059",         u"P052",
};

template <std::size_t N>
bool Lists(const std::array<std::u16string_view, N>& families, const QString& family) {
    for (const std::u16string_view listed : families) {
        if (family == ToQString(listed)) {
            return true;
        }
    }
    return false;
}

// The font database names a family that more than one foundry makes "Family [foundry]".
QString WithoutFoundry(const QString& family) {
    const qsizetype bracket = family.indexOf(QLatin1String(" ["));
    return bracket < 0 ? family : family.left(bracket);
}

QFont WithFamily(const QFont& wanted, const QString& family) {
    QFont font = wanted;
    font.setFamily(family);
    return font;
}

// A serif family with Cyrillic letters in place of the one asked for, if one is installed.
std::optional<QFont> Substitute(const QFont& wanted) {
    const QStringList installed = QFontDatabase::families(QFontDatabase::Cyrillic);
    for (const std::u16string_view preferred : kCyrillicSerifs) {
        for (const QString& family : installed) {
            if (WithoutFoundry(family) == ToQString(preferred)) {
                return WithFamily(wanted, family);
            }
        }
    }
    QFont generic = WithFamily(wanted, QStringLiteral("serif"));
    generic.setStyleHint(QFont::Serif);
    const QString family = QFontInfo(generic).family();
    if (QFontDatabase::writingSystems(family).contains(QFontDatabase::Cyrillic)) {
        return WithFamily(wanted, family);
    }
    return std::nullopt;
}

QFont Fitted(QFont font, const FontFits& fits) {
    const int requested = QFontInfo(font).pixelSize();
    for (int pixels = requested; pixels > requested * 3 / 4; --pixels) {
        font.setPixelSize(pixels);
        if (fits(font)) {
            break;
        }
    }
    return font;
}

}  // namespace

QFont CyrillicSerif(const QFont& wanted, const FontFits& fits) {
    if (Lists(kTimesNewRomanOrSubstitute, QFontInfo(wanted).family())) {
        return wanted;
    }
    const std::optional<QFont> substitute = Substitute(wanted);
    if (!substitute) {
        return wanted;
    }
    return fits ? Fitted(*substitute, fits) : *substitute;
}
