#include "colorfromtext.h"

#include <QString>

#include <array>
#include <utility>

namespace {

constexpr std::array<std::pair<const char *, TColor>, 16> namedColors{{
    {"BLACK", 0x000000},
    {"MAROON", 0x000080},
    {"GREEN", 0x008000},
    {"OLIVE", 0x008080},
    {"NAVY", 0x800000},
    {"PURPLE", 0x800080},
    {"TEAL", 0x808000},
    {"GRAY", 0x808080},
    {"SILVER", 0xC0C0C0},
    {"RED", 0x0000FF},
    {"LIME", 0x00FF00},
    {"YELLOW", 0x00FFFF},
    {"BLUE", 0xFF0000},
    {"FUCHSIA", 0xFF00FF},
    {"AQUA", 0xFFFF00},
    {"WHITE", 0xFFFFFF},
}};

// The integer syntax where '$' introduces hexadecimal digits: an optional
// sign, then '$' and hex digits or plain decimal digits, all of it 32 bits.
bool readInteger(QStringView text, quint32 &value)
{
    bool negative = false;
    if (!text.isEmpty() && (text.front() == u'-' || text.front() == u'+')) {
        negative = text.front() == u'-';
        text = text.mid(1);
    }
    int base = 10;
    if (!text.isEmpty() && text.front() == u'$') {
        base = 16;
        text = text.mid(1);
    }
    if (text.isEmpty())
        return false;
    bool ok = false;
    const qulonglong number = text.toULongLong(&ok, base);
    if (!ok || number > (base == 16 ? 0xFFFFFFFFull : 0x7FFFFFFFull + (negative ? 1 : 0)))
        return false;
    value = negative ? quint32(-qint64(number)) : quint32(number);
    return true;
}

} // namespace

TColor ColorFromText(QStringView text)
{
    QString upper = text.trimmed().toString().toUpper().left(10);
    for (const auto &[name, color] : namedColors) {
        if (upper == QLatin1String(name))
            return color;
    }
    const qsizetype hash = upper.indexOf(u'#');
    if (hash >= 0)
        upper.remove(hash, 1);
    if (!upper.contains(u'$'))
        upper = (u'$' + upper).left(11);
    // QString::toULongLong would accept a "0x" prefix and blanks: refuse them
    for (const QChar c : upper) {
        const bool hexDigit = (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F');
        if (!hexDigit && c != u'$' && c != u'-' && c != u'+')
            return clWhite;
    }
    quint32 rgb = 0;
    if (!readInteger(upper, rgb))
        return clWhite;
    return (rgb & 0xFF00FF00u) | ((rgb & 0xFFu) << 16) | ((rgb >> 16) & 0xFFu);
}
