#pragma once

#include "colortypes.h"

#include <QList>
#include <QTextLayout>

#include <span>

class QPalette;

// A colour as the memo's palette shows it: the window background and text
// and a few other system colours come from the palette.
QColor toQColor(TColor color, const QPalette &palette);

struct RunStyle
{
    const QPalette &palette;
    bool underlineHotSpots = true;
    bool keysDrawnByHandler = false; // OnDrawKey draws keyword runs
};

// The character formats that show the runs falling on one block (model
// offsets blockStart .. blockStart + blockLength - 1). Runs of the selection
// and of tab characters get none: the view's own drawing shows there.
QList<QTextLayout::FormatRange> formatsForBlock(std::span<const TKeyDescr> runs, int blockStart,
                                                int blockLength, const RunStyle &style);
