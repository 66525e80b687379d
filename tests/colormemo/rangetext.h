#pragma once

#include "colorrule.h"
#include "keydescrlist.h"

#include <QString>
#include <QStringList>

#include <string>

// Ranges written "start-end:color" (color in hex), joined by spaces, so a
// test can state a whole scan result in one readable line.
template <typename Ranges>
QString rangeText(const Ranges &ranges)
{
    QStringList parts;
    for (const TKeyDescr &range : ranges)
        parts << QStringLiteral("%1-%2:%3").arg(range.StartPos).arg(range.EndPos).arg(range.Color, 0, 16);
    return parts.join(u' ');
}

inline ScanWindow windowOf(const std::u16string &text, int origin = 0)
{
    return {text.c_str(), int(text.size()), origin};
}

// What one rule finds in a text that is the whole window.
inline QString scanText(TColorRule &rule, const std::u16string &text, const TDrawEvent &onDraw = {},
                        std::span<TKeyDescr> descriptors = {})
{
    TKeyDescrList ranges;
    ranges.reset(0, int(text.size()) - 1);
    rule.Scan(ranges, windowOf(text), onDraw, descriptors);
    return rangeText(ranges);
}
