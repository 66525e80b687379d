#include "textwindow.h"

void TextWindow::read(const QTextBlock &first, int origin, const QTextBlock &last, bool breakAfterLast)
{
    m_text.clear();
    m_blocks.clear();
    m_origin = origin;
    if (!first.isValid() || !last.isValid() || last.blockNumber() < first.blockNumber())
        return;
    for (QTextBlock block = first; block.isValid(); block = block.next()) {
        const QString text = block.text();
        m_blocks.push_back({block, m_origin + int(m_text.size()), int(text.size())});
        m_text.append(reinterpret_cast<const char16_t *>(text.utf16()), std::size_t(text.size()));
        if (block == last) {
            if (breakAfterLast)
                m_text.append(u"\r\n");
            break;
        }
        m_text.append(u"\r\n");
    }
}

ScanWindow TextWindow::window() const
{
    return {m_text.c_str(), int(m_text.size()), m_origin};
}
