#include "documentfile.h"

#include "apperror.h"
#include "bytetext.h"
#include "nativefiles.h"
#include "textmodel.h"

#include <QList>
#include <QUtf8StringView>

#include <algorithm>
#include <cstring>

namespace {

constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";

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

// "&#8364;" for one character (a surrogate pair counts as one).
QByteArray reference(QStringView character)
{
    return "&#" + QByteArray::number(character.toUcs4().value(0)) + ';';
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
    while (from != end) {
        if (to >= limit) {
            const qsizetype used = to - out.constData();
            out.resize(out.size() + out.size() / 2 + 64);
            to = out.data() + used;
            limit = out.data() + out.size() - 32;
        }
        const char16_t u = from->unicode();
        if (u == u'\n' || u == QChar::ParagraphSeparator) {
            *to++ = '\r';
            *to++ = '\n';
            ++from;
        } else if (u < 0x80 || (u < 0x100 && encoding == PageEncoding::EightBit)) {
            *to++ = char(u);
            ++from;
        } else if (ByteText::isEscapedByte(*from)) {
            // Reached here only when no first half of a pair came before.
            *to++ = char(u - ByteText::kFirstEscape + 0x80);
            ++from;
        } else {
            const QChar *next = from + 1;
            if (QChar::isHighSurrogate(u) && next != end && next->isLowSurrogate())
                ++next;
            const QByteArray piece = encoding == PageEncoding::Utf8
                ? QStringView(from, next).toUtf8()
                : reference(QStringView(from, next));
            memcpy(to, piece.constData(), piece.size());
            to += piece.size();
            from = next;
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
