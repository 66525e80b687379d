#include "documentfile.h"

#include "apperror.h"
#include "textmodel.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QUtf8StringView>

#include <cstring>

namespace {

QString decodeEightBit(const QByteArray &bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *to = text.data();
    const uchar *from = reinterpret_cast<const uchar *>(bytes.constData());
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

bool hasHighBytes(const QByteArray &bytes)
{
    for (const char c : bytes) {
        if (uchar(c) >= 0x80)
            return true;
    }
    return false;
}

// Characters Qt's text document would take for block breaks: such a file is
// kept as 8-bit text so that it still round-trips.
bool hasBreakingCharacters(const QString &text)
{
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == QChar::ParagraphSeparator || u == 0xFDD0 || u == 0xFDD1)
            return true;
    }
    return false;
}

// "&#8364;" for one character (a surrogate pair counts as one).
QByteArray reference(QStringView character)
{
    return "&#" + QByteArray::number(character.toUcs4().value(0)) + ';';
}

} // namespace

PageText decodePage(QByteArray bytes)
{
    if (hasHighBytes(bytes) && QUtf8StringView(bytes).isValidUtf8()) {
        const QString utf8 = QString::fromUtf8(bytes);
        if (!hasBreakingCharacters(utf8)) {
            bytes = QByteArray();
            return {TextModel::fromCrlf(utf8), PageEncoding::Utf8};
        }
    }
    return {decodeEightBit(bytes), PageEncoding::EightBit};
}

QByteArray encodePage(QStringView text, PageEncoding encoding)
{
    // Written through a raw pointer: this loop runs over every character of
    // a page on each save.
    QByteArray out(text.size() + text.size() / 16 + 64, Qt::Uninitialized);
    char *to = out.data();
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

PageText readPageFile(const QString &path)
{
    const auto cannotOpen = [&path] {
        return AppError(QStringLiteral("Cannot open file %1").arg(path));
    };
    if (QFileInfo(path).isDir())
        throw cannotOpen();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw cannotOpen();
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw cannotOpen();
    file.close();
    return decodePage(std::move(bytes));
}

void writePageFile(const QString &path, const QByteArray &bytes)
{
    const QFileInfo target(path);
    // A page the user protected against writing is not replaced behind
    // their back, even though its folder would allow the rename.
    const bool protectedFile = target.exists()
        && (target.isDir() || !(target.permissions() & QFileDevice::WriteOwner));
    QSaveFile file(path);
    if (protectedFile || !file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()
        || !file.commit())
        throw AppError(QStringLiteral("Cannot create file %1").arg(path));
}
