#pragma once

#include "colortypes.h"

#include <QTextBlock>

#include <string>
#include <vector>

// The scan window read from the document: whole blocks, joined by CR LF as
// the program counts text where they are lines of their own, and nothing
// else of the document but the display lines next to the window that go on
// with its first or last line.
class TextWindow
{
public:
    struct Block {
        QTextBlock block;
        int start;  // model offset of its first character
        int length; // without the line break
    };

    // Reads blocks first..last; 'origin' is the model offset of the first
    // block. 'next' is the block after 'last' that the window sees the start
    // of, or none: its line break is part of the window, or its whole text
    // when it goes on with last's line. Likewise the block before 'first' is
    // read when 'first' goes on from it. These two are read so that keys
    // across a display break are found whole; they are no blocks of the
    // window. An invalid 'last' reads nothing.
    void read(const QTextBlock &first, int origin, const QTextBlock &last, const QTextBlock &next);

    ScanWindow window() const;
    const std::vector<Block> &blocks() const { return m_blocks; }

private:
    void append(const QString &text);

    std::u16string m_text; // kept between passes
    std::vector<Block> m_blocks;
    int m_origin = 0;
};
