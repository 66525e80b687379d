#include "pagebytes.h"

#include "colormemo.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <cstring>

namespace {

constexpr int kPiece = 65536; // characters read from the document at a time
constexpr qsizetype kSpareGap = 4096;

// The document's characters from..to - 1 (one separator a line break).
QString piece(QTextDocument *document, int from, int to)
{
    QTextCursor cursor(document);
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    return cursor.selectedText();
}

} // namespace

void ExtraBytes::create(qsizetype size)
{
    m_data.assign(size + kSpareGap, 0);
    m_gapStart = size;
    m_gapEnd = size + kSpareGap;
}

qint8 ExtraBytes::at(qsizetype index) const
{
    return m_data[index < m_gapStart ? index : index + (m_gapEnd - m_gapStart)];
}

void ExtraBytes::set(qsizetype index, qint8 value)
{
    m_data[index < m_gapStart ? index : index + (m_gapEnd - m_gapStart)] = value;
}

void ExtraBytes::moveGap(qsizetype to)
{
    qint8 *data = m_data.data();
    if (to < m_gapStart) {
        const qsizetype count = m_gapStart - to;
        memmove(data + m_gapEnd - count, data + to, count);
        m_gapStart -= count;
        m_gapEnd -= count;
    } else if (to > m_gapStart) {
        const qsizetype count = to - m_gapStart;
        memmove(data + m_gapStart, data + m_gapEnd, count);
        m_gapStart += count;
        m_gapEnd += count;
    }
}

void ExtraBytes::insert(qsizetype at, const std::vector<qint8> &values)
{
    const qsizetype count = qsizetype(values.size());
    moveGap(std::min(at, size()));
    if (m_gapEnd - m_gapStart < count) {
        const qsizetype gap = count + size() / 8 + kSpareGap;
        const qsizetype after = qsizetype(m_data.size()) - m_gapEnd;
        std::vector<qint8> grown(m_gapStart + gap + after);
        memcpy(grown.data(), m_data.data(), m_gapStart);
        memcpy(grown.data() + m_gapStart + gap, m_data.data() + m_gapEnd, after);
        m_data.swap(grown);
        m_gapEnd = m_gapStart + gap;
    }
    memcpy(m_data.data() + m_gapStart, values.data(), count);
    m_gapStart += count;
}

qint64 ExtraBytes::erase(qsizetype at, qsizetype count)
{
    moveGap(std::min(at, size()));
    count = std::min(count, qsizetype(m_data.size()) - m_gapEnd);
    qint64 sum = 0;
    for (qsizetype i = m_gapEnd; i < m_gapEnd + count; ++i)
        sum += m_data[i];
    m_gapEnd += count;
    return sum;
}

PageBytes::PageBytes(TColorMemo &memo) : m_memo(memo)
{
    connect(memo.document(), &QTextDocument::contentsChange, this, &PageBytes::follow);
}

qint64 PageBytes::size() const
{
    return (m_byteOrderMark ? 3 : 0) + m_memo.textLength() + m_extraTotal;
}

QByteArray PageBytes::encoded() const
{
    return encodePage(m_memo.rawText(), m_encoding, m_byteOrderMark);
}

bool PageBytes::holdsOnlyAscii() const
{
    for (QTextBlock block = m_memo.document()->begin(); block.isValid(); block = block.next()) {
        const QString text = block.text();
        if (std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() >= 0x80; }))
            return false;
    }
    return true;
}

qint8 PageBytes::extraOf(QChar before, QChar unit, QChar after) const
{
    const int counted = unit == QChar::ParagraphSeparator ? 2 : 1;
    return qint8(encodedBytes(before, unit, after, m_encoding) - counted);
}

void PageBytes::follow(int position, int removed, int added)
{
    if (m_extra.exists())
        m_extraTotal -= m_extra.erase(position, removed);
    addCharacters(position, added);
    // Either side of the change a surrogate may have found or lost its
    // other half.
    recountNeighbour(position - 1);
    recountNeighbour(position + added);
}

void PageBytes::addCharacters(int position, int count)
{
    QTextDocument *document = m_memo.document();
    const int readable = document->characterCount() - 1; // the last separator cannot be selected
    const char16_t oneByte = m_encoding == PageEncoding::Utf8 ? 0x80 : 0x100;
    std::vector<qint8> values;
    for (int from = position; from < position + count; from += kPiece) {
        const int to = std::min(from + kPiece, position + count);
        // One character more each side: the halves of surrogate pairs.
        const int readFrom = std::clamp(from - 1, 0, readable);
        const int readTo = std::clamp(to + 1, readFrom, readable);
        const QString text = piece(document, readFrom, readTo);
        values.assign(to - from, 0);
        qint64 sum = 0;
        bool any = false;
        for (int k = std::max(from - readFrom, 0); k < std::min<qsizetype>(to - readFrom, text.size()); ++k) {
            const QChar unit = text[k];
            if (unit.unicode() < oneByte)
                continue;
            const qint8 extra =
                extraOf(k > 0 ? text[k - 1] : QChar(), unit, k + 1 < text.size() ? text[k + 1] : QChar());
            values[readFrom + k - from] = extra;
            sum += extra;
            any = any || extra != 0;
        }
        // The table starts with the first character that needs it; the
        // characters before it (and those not added yet) all count 0.
        if (any && !m_extra.exists())
            m_extra.create(std::max(from, document->characterCount() - (position + count - from)));
        if (m_extra.exists()) {
            m_extra.insert(from, values);
            m_extraTotal += sum;
        }
    }
}

void PageBytes::recountNeighbour(int index)
{
    QTextDocument *document = m_memo.document();
    if (index < 0 || index >= document->characterCount() - 1)
        return;
    const QChar unit = document->characterAt(index);
    if (!unit.isSurrogate())
        return; // only the halves of a pair count by their neighbours
    const qint8 now =
        extraOf(index > 0 ? document->characterAt(index - 1) : QChar(), unit, document->characterAt(index + 1));
    const qint8 was = m_extra.exists() && index < m_extra.size() ? m_extra.at(index) : 0;
    if (now == was)
        return;
    if (!m_extra.exists())
        m_extra.create(document->characterCount());
    if (index < m_extra.size()) {
        m_extra.set(index, now);
        m_extraTotal += now - was;
    }
}
