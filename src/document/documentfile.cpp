#include "documentfile.h"

#include "apperror.h"
#include "bytetext.h"
#include "nativefiles.h"
#include "textmodel.h"

#include <QUtf8StringView>

#include <algorithm>
#include <cstdio>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";

// Copies characters below 'oneByte' that are no line break, each as its one
// byte, up to 'most' of them; returns how many it copied. Most of a page is
// such characters, so they go eight at a time where the processor can.
qsizetype copyOneByteRun(const QChar *from, qsizetype most, char *to, char16_t oneByte)
{
    qsizetype copied = 0;
#ifdef __SSE2__
    const __m128i lineFeed = _mm_set1_epi16(u'\n');
    // u >= oneByte exactly where u + (0xFFFF - oneByte) reaches 0xFFFF.
    const __m128i lift = _mm_set1_epi16(short(0xFFFF - oneByte));
    const __m128i saturated = _mm_set1_epi16(-1);
    for (; most - copied >= 8; copied += 8) {
        const __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i *>(from + copied));
        const __m128i wide = _mm_cmpeq_epi16(_mm_adds_epu16(units, lift), saturated);
        if (_mm_movemask_epi8(_mm_or_si128(wide, _mm_cmpeq_epi16(units, lineFeed))) != 0)
            break;
        _mm_storel_epi64(reinterpret_cast<__m128i *>(to + copied), _mm_packus_epi16(units, units));
    }
#endif
    for (; copied < most; ++copied) {
        const char16_t u = from[copied].unicode();
        if (u >= oneByte || u == u'\n')
            break;
        to[copied] = char(u);
    }
    return copied;
}

QString decodeEightBit(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *to = text.data();
    const uchar *from = reinterpret_cast<const uchar *>(bytes.data());
    const uchar *const end = from + bytes.size();
    while (from != end) {
        const uchar c = *from++;
        if (c == '\r') {
            *to++ = u'\n';
            if (from != end && *from == '\n')
                ++from;
        } else {
            *to++ = QChar(c);
        }
    }
    text.truncate(to - text.constData());
    return text;
}

bool hasHighBytes(QByteArrayView bytes)
{
    for (const char c : bytes) {
        if (uchar(c) >= 0x80)
            return true;
    }
    return false;
}

// Characters Qt's text document would take for block breaks.
bool breaksBlocks(QChar c)
{
    const char16_t u = c.unicode();
    return u == QChar::ParagraphSeparator || u == 0xFDD0 || u == 0xFDD1;
}

// The UTF-8 bytes of a character, each carried as a raw byte.
QString carriedBytes(QChar c)
{
    QString carried;
    for (const char b : QString(c).toUtf8())
        carried += QChar(char16_t(ByteText::kFirstEscape + (uchar(b) - 0x80)));
    return carried;
}

// UTF-8 text, each byte that is not UTF-8 carried as it is, and so is each
// character that would break the view's lines where the file has none.
QString decodeUtf8(QByteArrayView bytes)
{
    QString text = QUtf8StringView(bytes).isValidUtf8() ? QString::fromUtf8(bytes) : ByteText::decode(bytes);
    if (std::none_of(text.cbegin(), text.cend(), breaksBlocks))
        return text;
    QString carried;
    carried.reserve(text.size() + 16);
    for (const QChar c : std::as_const(text))
        carried += breaksBlocks(c) ? carriedBytes(c) : QString(c);
    return carried;
}

QByteArrayView withoutMark(const QByteArray &bytes)
{
    return bytes.startsWith(kByteOrderMark) ? QByteArrayView(bytes).sliced(3) : QByteArrayView(bytes);
}

bool isUtf8File(const QByteArray &bytes)
{
    const QByteArrayView body = withoutMark(bytes);
    return (body.size() < bytes.size() || hasHighBytes(body)) && QUtf8StringView(body).isValidUtf8();
}

// One character's UTF-8 bytes; a lone surrogate, which has none, as '?'.
char *putUtf8(char *to, char32_t code)
{
    if (code < 0x800) {
        *to++ = char(0xC0 | code >> 6);
    } else if (code >= 0xD800 && code <= 0xDFFF) {
        *to++ = '?';
        return to;
    } else if (code < 0x10000) {
        *to++ = char(0xE0 | code >> 12);
        *to++ = char(0x80 | (code >> 6 & 0x3F));
    } else {
        *to++ = char(0xF0 | code >> 18);
        *to++ = char(0x80 | (code >> 12 & 0x3F));
        *to++ = char(0x80 | (code >> 6 & 0x3F));
    }
    *to++ = char(0x80 | (code & 0x3F));
    return to;
}

int digits(char32_t code)
{
    int count = 1;
    for (; code >= 10; code /= 10)
        ++count;
    return count;
}

} // namespace

PageText decodePage(QByteArray bytes)
{
    PageText page;
    page.byteOrderMark = bytes.startsWith(kByteOrderMark);
    if (isUtf8File(bytes)) {
        page.encoding = PageEncoding::Utf8;
        const QString text = decodeUtf8(withoutMark(bytes));
        bytes = QByteArray(); // freed before the text is copied once more
        page.text = TextModel::fromCrlf(text);
    } else {
        page.text = decodeEightBit(withoutMark(bytes));
    }
    return page;
}

PageText decodeInsertion(QByteArray bytes, PageEncoding page, bool pageHoldsOnlyAscii)
{
    if (page == PageEncoding::Utf8 || (pageHoldsOnlyAscii && isUtf8File(bytes)))
        return {TextModel::fromCrlf(decodeUtf8(withoutMark(bytes))), PageEncoding::Utf8};
    return {decodeEightBit(withoutMark(bytes)), PageEncoding::EightBit};
}

QByteArray encodePage(QStringView text, PageEncoding encoding, bool byteOrderMark)
{
    // Written through a raw pointer: this loop runs over every character of
    // a page on each save.
    QByteArray out(text.size() + text.size() / 16 + 64, Qt::Uninitialized);
    char *to = out.data();
    if (byteOrderMark) {
        memcpy(to, kByteOrderMark, 3);
        to += 3;
    }
    char *limit = out.data() + out.size() - 32; // room for the longest piece
    const QChar *from = text.data();
    const QChar *const end = from + text.size();
    const char16_t oneByte = encoding == PageEncoding::Utf8 ? 0x80 : 0x100;
    while (from != end) {
        if (to >= limit) {
            const qsizetype used = to - out.constData();
            out.resize(out.size() + out.size() / 2 + 64);
            to = out.data() + used;
            limit = out.data() + out.size() - 32;
        }
        const qsizetype copied = copyOneByteRun(from, std::min<qsizetype>(end - from, limit - to), to, oneByte);
        from += copied;
        to += copied;
        if (from == end || to >= limit)
            continue;
        const char16_t u = from->unicode();
        if (u == u'\n' || u == QChar::ParagraphSeparator) {
            *to++ = '\r';
            *to++ = '\n';
            ++from;
        } else if (ByteText::isEscapedByte(*from)) {
            // Reached here only when no first half of a pair came before.
            *to++ = char(u - ByteText::kFirstEscape + 0x80);
            ++from;
        } else {
            const bool pair = QChar::isHighSurrogate(u) && from + 1 != end && from[1].isLowSurrogate();
            const char32_t code = pair ? QChar::surrogateToUcs4(u, from[1].unicode()) : u;
            from += pair ? 2 : 1;
            if (encoding == PageEncoding::EightBit)
                to += std::sprintf(to, "&#%u;", unsigned(code));
            else
                to = putUtf8(to, code);
        }
    }
    out.truncate(to - out.constData());
    return out;
}

int encodedBytes(QChar before, QChar unit, QChar after, PageEncoding encoding)
{
    const char16_t u = unit.unicode();
    const bool utf8 = encoding == PageEncoding::Utf8;
    if (u == u'\n' || u == QChar::ParagraphSeparator)
        return 2;
    if (u < 0x80 || (u < 0x100 && !utf8))
        return 1;
    if (unit.isLowSurrogate() && before.isHighSurrogate())
        return 0; // counted with its first half
    if (ByteText::isEscapedByte(unit))
        return 1;
    if (unit.isHighSurrogate() && after.isLowSurrogate())
        return utf8 ? 4 : 3 + digits(QChar::surrogateToUcs4(unit, after));
    if (unit.isSurrogate())
        return utf8 ? 1 : 3 + digits(u); // utf8: written as '?'
    return utf8 ? (u < 0x800 ? 2 : 3) : 3 + digits(u);
}

QByteArray readWholeFile(const QString &path)
{
    std::optional<QByteArray> bytes = NativeFiles::read(path);
    if (!bytes)
        throw AppError(QStringLiteral("Cannot open file %1").arg(ByteText::displayed(path)));
    return std::move(*bytes);
}

PageText readPageFile(const QString &path)
{
    return decodePage(readWholeFile(path));
}

void writePageFile(const QString &path, const QByteArray &bytes)
{
    if (!NativeFiles::write(path, bytes))
        throw AppError(QStringLiteral("Cannot create file %1").arg(ByteText::displayed(path)));
}
