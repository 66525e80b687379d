#pragma once

#include <QString>
#include <QTextBlock>
#include <QTextBlockFormat>

#include <vector>

class QTextDocument;

// The display breaks of a memo's document and the positions across them.
//
// A block whose format marks it as a continuation goes on with the line of
// the block before it: the separator in front of it is the view's, not part
// of the text. Qt's undo and redo bring block formats back with the text, so
// the marks are always right; this index of the marked blocks follows the
// document's change reports so that a position is mapped in a few lookups.
//
// Three ways to count positions meet here: the document's (one separator
// per block), the program's model (a line break is CR LF, a display break
// nothing) and the raw text (a line break is one paragraph separator, a
// display break nothing).
class DisplayBreaks
{
public:
    static const QTextBlockFormat &continuationFormat();
    static bool continues(const QTextBlock &block);

    // Follows one change report of the document.
    void follow(const QTextDocument &document, int position, int added);

    int count() const { return int(m_blocks.size()); }
    // The number of continuation blocks numbered up to 'blockNumber'.
    int countUpTo(int blockNumber) const;

    // Model offset of the block's first character.
    int modelStart(const QTextBlock &block) const;
    int modelLength(const QTextDocument &document) const;
    // A model position to the document; a position inside a line break or
    // beyond the text is clamped to the line's end or the text's end, one at
    // a display break lies at the start of the block that goes on.
    int toDocument(const QTextDocument &document, int position) const;
    int fromDocument(const QTextDocument &document, int position) const;
    int toRaw(const QTextDocument &document, int documentPosition) const;
    int fromRaw(const QTextDocument &document, int rawPosition) const;

    // 'text' is the document's text from 'from' on: the same without the
    // display breaks in it.
    QString withoutBreaks(const QTextDocument &document, int from, QString text) const;

private:
    void rebuild(const QTextDocument &document);

    std::vector<int> m_blocks; // numbers of the continuation blocks, ascending
    int m_blockCount = 1;
};
