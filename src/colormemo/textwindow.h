#pragma once

#include "colortypes.h"

#include <QTextBlock>

#include <string>
#include <vector>

// The scan window read from the document: whole blocks, joined by CR LF as
// the program counts text, and nothing else of the document.
class TextWindow
{
public:
    struct Block
    {
        QTextBlock block;
        int start;  // model offset of its first character
        int length; // without the line break
    };

    // Reads blocks first..last; 'origin' is the model offset of the first
    // block. The break after 'last' is part of the window when
    // 'breakAfterLast' is set. An invalid 'last' reads nothing.
    void read(const QTextBlock &first, int origin, const QTextBlock &last, bool breakAfterLast);

    ScanWindow window() const;
    const std::vector<Block> &blocks() const { return m_blocks; }

private:
    std::u16string m_text; // kept between passes
    std::vector<Block> m_blocks;
    int m_origin = 0;
};
