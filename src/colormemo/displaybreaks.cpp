#include "displaybreaks.h"

#include <QTextDocument>

#include <algorithm>

namespace {

constexpr int ContinuationProperty = QTextFormat::UserProperty + 0x51;

} // namespace

const QTextBlockFormat &DisplayBreaks::continuationFormat()
{
    static const QTextBlockFormat format = [] {
        QTextBlockFormat continuation;
        continuation.setProperty(ContinuationProperty, true);
        return continuation;
    }();
    return format;
}

bool DisplayBreaks::continues(const QTextBlock &block)
{
    return block.isValid() && block.blockFormat().boolProperty(ContinuationProperty);
}

void DisplayBreaks::follow(const QTextDocument &document, int position, int added)
{
    // The blocks from the one holding 'position' to the one holding the
    // change's end are read again; before the change they were as many as
    // now, give or take the change in the block count.
    const int blockCount = document.blockCount();
    const QTextBlock first = document.findBlock(position);
    const int firstNumber = first.blockNumber();
    const int lastNumber = document.findBlock(std::min(position + added, document.characterCount() - 1)).blockNumber();
    const int oldLastNumber = lastNumber + m_blockCount - blockCount;
    if (!first.isValid() || oldLastNumber < firstNumber) {
        rebuild(document);
        return;
    }
    auto from = std::lower_bound(m_blocks.begin(), m_blocks.end(), firstNumber);
    auto to = std::upper_bound(from, m_blocks.end(), oldLastNumber);
    for (auto later = to; later != m_blocks.end(); ++later)
        *later += blockCount - m_blockCount;
    std::vector<int> found;
    QTextBlock block = first;
    for (int number = firstNumber; number <= lastNumber; ++number, block = block.next()) {
        if (continues(block))
            found.push_back(number);
    }
    from = m_blocks.erase(from, to);
    m_blocks.insert(from, found.begin(), found.end());
    m_blockCount = blockCount;
}

void DisplayBreaks::rebuild(const QTextDocument &document)
{
    m_blocks.clear();
    for (QTextBlock block = document.firstBlock(); block.isValid(); block = block.next()) {
        if (continues(block))
            m_blocks.push_back(block.blockNumber());
    }
    m_blockCount = document.blockCount();
}

int DisplayBreaks::countUpTo(int blockNumber) const
{
    return int(std::upper_bound(m_blocks.begin(), m_blocks.end(), blockNumber) - m_blocks.begin());
}

int DisplayBreaks::modelStart(const QTextBlock &block) const
{
    // each separator before the block counts one in the document: two for
    // a line break, none for a display break
    const int number = block.blockNumber();
    return block.position() + number - 2 * countUpTo(number);
}

int DisplayBreaks::modelLength(const QTextDocument &document) const
{
    return document.characterCount() - 1 + document.blockCount() - 1 - 2 * count();
}

int DisplayBreaks::toDocument(const QTextDocument &document, int position) const
{
    if (position <= 0)
        return 0;
    // the last block that starts at or before the position
    int low = 0;
    int high = document.blockCount() - 1;
    while (low < high) {
        const int middle = low + (high - low + 1) / 2;
        if (modelStart(document.findBlockByNumber(middle)) <= position)
            low = middle;
        else
            high = middle - 1;
    }
    const QTextBlock block = document.findBlockByNumber(low);
    return block.position() + std::min(position - modelStart(block), block.length() - 1);
}

int DisplayBreaks::fromDocument(const QTextDocument &document, int position) const
{
    const int clamped = std::clamp(position, 0, document.characterCount() - 1);
    const QTextBlock block = document.findBlock(clamped);
    return modelStart(block) + clamped - block.position();
}

int DisplayBreaks::toRaw(const QTextDocument &document, int documentPosition) const
{
    return documentPosition - countUpTo(document.findBlock(documentPosition).blockNumber());
}

int DisplayBreaks::fromRaw(const QTextDocument &document, int rawPosition) const
{
    // The display break before continuation block i lies at raw position
    // (its block's position - 1 - i); count those at or before the position.
    std::size_t low = 0;
    std::size_t high = m_blocks.size();
    while (low < high) {
        const std::size_t middle = low + (high - low) / 2;
        const int at = document.findBlockByNumber(m_blocks[middle]).position() - 1 - int(middle);
        if (at <= rawPosition)
            low = middle + 1;
        else
            high = middle;
    }
    return rawPosition + int(low);
}

QString DisplayBreaks::withoutBreaks(const QTextDocument &document, int from, QString text) const
{
    const int end = from + int(text.size());
    const auto first = std::upper_bound(m_blocks.begin(), m_blocks.end(), document.findBlock(from).blockNumber());
    const auto last = std::upper_bound(first, m_blocks.end(),
                                       document.findBlock(std::min(end, document.characterCount() - 1)).blockNumber());
    if (first == last)
        return text;
    QString out(text.size() - (last - first), Qt::Uninitialized);
    QChar *to = out.data();
    qsizetype copied = 0;
    for (auto number = first; number != last; ++number) {
        const qsizetype separator = document.findBlockByNumber(*number).position() - 1 - from;
        if (separator >= text.size())
            break;
        to = std::copy(text.cbegin() + copied, text.cbegin() + separator, to);
        copied = separator + 1;
    }
    to = std::copy(text.cbegin() + copied, text.cend(), to);
    out.truncate(to - out.constData());
    return out;
}
