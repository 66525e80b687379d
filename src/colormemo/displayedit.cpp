#include "displayedit.h"

#include "displaybreaks.h"
#include "displaylines.h"

#include <QTextDocument>

#include <algorithm>

namespace {

// Cuts the block and returns its last piece.
QTextBlock splitBlock(QTextDocument &document, const QTextBlock &block)
{
    const std::vector<int> breaks = DisplayLines::breaksInLine(block.text());
    const int start = block.position();
    const int number = block.blockNumber();
    QTextCursor cursor(&document);
    // from the end, so that the offsets before stay where they were
    for (auto at = breaks.rbegin(); at != breaks.rend(); ++at) {
        cursor.setPosition(start + *at);
        cursor.insertBlock(DisplayBreaks::continuationFormat());
    }
    return document.findBlockByNumber(number + int(breaks.size()));
}

} // namespace

void insertLines(QTextCursor &cursor, const QString &text)
{
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    const int start = cursor.position();
    qsizetype rest = 0;
    if (DisplayBreaks::continues(cursor.block())) {
        // New blocks take the format of the block they are made in: the
        // first line break gets a block of a whole line's format, and the
        // breaks after it take that.
        const qsizetype lf = text.indexOf(u'\n');
        const qsizetype ps = text.indexOf(QChar::ParagraphSeparator);
        const qsizetype lineEnd = lf < 0 ? ps : ps < 0 ? lf : std::min(lf, ps);
        if (lineEnd >= 0) {
            cursor.insertText(text.left(lineEnd));
            cursor.insertBlock(QTextBlockFormat());
            rest = lineEnd + 1;
        }
    }
    cursor.insertText(rest > 0 ? text.mid(rest) : text);
    QTextDocument &document = *cursor.document();
    splitLongBlocks(document, document.findBlock(start), cursor.block());
    cursor.endEditBlock();
}

void splitLongBlocks(QTextDocument &document, QTextBlock first, const QTextBlock &last)
{
    for (QTextBlock block = first; block.isValid(); block = block.next()) {
        const bool wasLast = block == last;
        if (block.length() - 1 > DisplayLines::LongestShownLine)
            block = splitBlock(document, block);
        if (wasLast)
            return;
    }
}

void stepOverDisplayBreaks(QTextCursor &cursor, bool forward, QTextCursor::MoveMode mode)
{
    if (forward) {
        while (cursor.atBlockEnd() && DisplayBreaks::continues(cursor.block().next()))
            cursor.setPosition(cursor.position() + 1, mode);
    } else {
        while (cursor.atBlockStart() && DisplayBreaks::continues(cursor.block()))
            cursor.setPosition(cursor.position() - 1, mode);
    }
}
