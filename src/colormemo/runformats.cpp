#include "runformats.h"

#include "colorpass.h"

#include <QPalette>

#include <algorithm>

QColor toQColor(TColor color, const QPalette &palette)
{
    if (color & 0x80000000u) {
        switch (color & 0xFF) {
        case 5: return palette.color(QPalette::Base);
        case 13: return palette.color(QPalette::Highlight);
        case 14: return palette.color(QPalette::HighlightedText);
        case 15: return palette.color(QPalette::Button);
        case 18: return palette.color(QPalette::ButtonText);
        default: return palette.color(QPalette::Text);
        }
    }
    return QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}

RunFormatter::RunFormatter(const QPalette &palette, bool underlineHotSpots, bool keysDrawnByHandler)
    : m_palette(palette),
      m_underlineHotSpots(underlineHotSpots),
      m_keysDrawnByHandler(keysDrawnByHandler)
{
}

const QTextCharFormat &RunFormatter::formatFor(const TKeyDescr &run)
{
    const quint64 look = (quint64(run.Color) << 8) | run.ZOrder;
    for (const auto &[key, format] : m_formats) {
        if (key == look)
            return format;
    }
    QTextCharFormat format;
    const QColor color = toQColor(run.Color, m_palette);
    format.setForeground(color);
    if (run.ZOrder == MarkerZOrder)
        format.setBackground(color); // a marker shows as a solid block
    else if (run.ZOrder == HotSpotZOrder && m_underlineHotSpots)
        format.setFontUnderline(true);
    m_formats.emplace_back(look, format);
    return m_formats.back().second;
}

QList<QTextLayout::FormatRange> RunFormatter::forBlock(std::span<const TKeyDescr> runs, int blockStart, int blockLength)
{
    QList<QTextLayout::FormatRange> formats;
    const int blockEnd = blockStart + blockLength - 1;
    const auto first = std::lower_bound(runs.begin(), runs.end(), blockStart,
                                        [](const TKeyDescr &run, int start) { return run.EndPos < start; });
    for (auto run = first; run != runs.end() && run->StartPos <= blockEnd; ++run) {
        if (run->ZOrder == TabZOrder || run->ZOrder == SelectionZOrder)
            continue;
        if (run->IsKey && m_keysDrawnByHandler)
            continue;
        const int start = std::max(run->StartPos, blockStart);
        const int end = std::min(run->EndPos, blockEnd);
        formats.append({start - blockStart, end - start + 1, formatFor(*run)});
    }
    return formats;
}
