#include "textmodel.h"

#include <QTextBlock>
#include <QTextDocument>

namespace TextModel {

int length(const QTextDocument &document)
{
    return document.characterCount() - 1 + document.blockCount() - 1;
}

int toDocument(const QTextDocument &document, int position)
{
    if (position <= 0)
        return 0;
    // The CR LF start of block b is its document position plus b.
    int low = 0;
    int high = document.blockCount() - 1;
    while (low < high) {
        const int middle = low + (high - low + 1) / 2;
        if (document.findBlockByNumber(middle).position() + middle <= position)
            low = middle;
        else
            high = middle - 1;
    }
    const QTextBlock block = document.findBlockByNumber(low);
    const int offset = position - (block.position() + low);
    return block.position() + qMin(offset, block.length() - 1);
}

int fromDocument(const QTextDocument &document, int position)
{
    const int clamped = qBound(0, position, document.characterCount() - 1);
    return clamped + document.findBlock(clamped).blockNumber();
}

QString fromCrlf(QStringView text)
{
    QString out(text.size(), Qt::Uninitialized);
    QChar *to = out.data();
    const QChar *from = text.data();
    const QChar *const end = from + text.size();
    while (from != end) {
        const QChar c = *from++;
        if (c == u'\r') {
            *to++ = u'\n';
            if (from != end && *from == u'\n')
                ++from;
        } else {
            *to++ = c;
        }
    }
    out.truncate(to - out.constData());
    return out;
}

QString toCrlf(QStringView text)
{
    QString out;
    out.reserve(text.size() + text.size() / 16);
    for (const QChar c : text) {
        if (c == u'\n' || c == QChar::ParagraphSeparator)
            out += QLatin1String("\r\n");
        else
            out += c;
    }
    return out;
}

} // namespace TextModel
