#include "textwindow.h"

#include "displaybreaks.h"

void TextWindow::read(const QTextBlock &first, int origin, const QTextBlock &last, const QTextBlock &next)
{
    m_text.clear();
    m_blocks.clear();
    m_origin = origin;
    if (!first.isValid() || !last.isValid() || last.blockNumber() < first.blockNumber())
        return;
    if (DisplayBreaks::continues(first)) {
        append(first.previous().text());
        m_origin -= int(m_text.size());
    }
    for (QTextBlock block = first; block.isValid(); block = block.next()) {
        const QString text = block.text();
        m_blocks.push_back({block, m_origin + int(m_text.size()), int(text.size())});
        append(text);
        if (block == last)
            break;
        if (!DisplayBreaks::continues(block.next()))
            m_text.append(u"\r\n");
    }
    if (DisplayBreaks::continues(next))
        append(next.text());
    else if (next.isValid())
        m_text.append(u"\r\n");
}

void TextWindow::append(const QString &text)
{
    m_text.append(reinterpret_cast<const char16_t *>(text.utf16()), std::size_t(text.size()));
}

ScanWindow TextWindow::window() const
{
    return {m_text.c_str(), int(m_text.size()), m_origin};
}
