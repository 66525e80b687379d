#include "bytetext.h"

namespace ByteText {
namespace {

// Length of the valid UTF-8 sequence that starts at `from`, or 0. Rejects
// overlong forms, surrogates and code points beyond U+10FFFF, as a strict
// decoder must for the round trip to hold.
int validSequence(const uchar *from, const uchar *end, char32_t &code)
{
    const uchar lead = *from;
    int length;
    char32_t minimum;
    if (lead < 0x80) {
        code = lead;
        return 1;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2, minimum = 0x80, code = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, minimum = 0x800, code = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, minimum = 0x10000, code = lead & 0x07;
    } else {
        return 0;
    }
    if (end - from < length)
        return 0;
    for (int i = 1; i < length; ++i) {
        if ((from[i] & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (from[i] & 0x3F);
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return length;
}

} // namespace

QString decode(QByteArrayView bytes)
{
    QString text;
    text.reserve(bytes.size());
    const uchar *from = reinterpret_cast<const uchar *>(bytes.data());
    const uchar *const end = from + bytes.size();
    while (from != end) {
        char32_t code = 0;
        const int length = validSequence(from, end, code);
        if (length == 0) {
            text.append(QChar(char16_t(kFirstEscape + (*from - 0x80))));
            ++from;
            continue;
        }
        if (code >= 0x10000) {
            text.append(QChar(QChar::highSurrogate(code)));
            text.append(QChar(QChar::lowSurrogate(code)));
        } else {
            text.append(QChar(char16_t(code)));
        }
        from += length;
    }
    return text;
}

QByteArray encode(QStringView text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        if (u < 0x80) {
            bytes.append(char(u));
        } else if (isEscapedByte(QChar(u))) {
            bytes.append(char(u - kFirstEscape + 0x80));
        } else if (QChar::isHighSurrogate(u) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            bytes.append(text.sliced(i, 2).toUtf8());
            ++i;
        } else {
            // Any other lone surrogate has no bytes of its own; toUtf8
            // writes its replacement.
            bytes.append(text.sliced(i, 1).toUtf8());
        }
    }
    return bytes;
}

QString displayed(QStringView text)
{
    QString shown = text.toString();
    for (QChar &c : shown) {
        if (isEscapedByte(c))
            c = QChar::ReplacementCharacter;
    }
    return shown;
}

} // namespace ByteText
