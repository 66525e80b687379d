#pragma once

#include "colortypes.h"

#include <QList>
#include <QTextLayout>

#include <span>

class QPalette;

// A colour as the memo's palette shows it: the window background and text
// and a few other system colours come from the palette.
QColor toQColor(TColor color, const QPalette &palette);

// Turns runs into the character formats that show them on one block at a
// time. Runs of the selection and of tab characters get none: the view's
// own drawing shows there. Formats are shared between runs of one look.
class RunFormatter
{
public:
    RunFormatter(const QPalette &palette, bool underlineHotSpots, bool keysDrawnByHandler);

    // The formats for the runs falling on the block at model offsets
    // blockStart .. blockStart + blockLength - 1.
    QList<QTextLayout::FormatRange> forBlock(std::span<const TKeyDescr> runs, int blockStart, int blockLength);

private:
    const QTextCharFormat &formatFor(const TKeyDescr &run);

    const QPalette &m_palette;
    bool m_underlineHotSpots;
    bool m_keysDrawnByHandler;
    std::vector<std::pair<quint64, QTextCharFormat>> m_formats;
};
