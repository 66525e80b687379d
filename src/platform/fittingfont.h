#pragma once

#include <QFont>
#include <QStringList>

// The font at the largest pixel size, at most its own and at least
// 'smallest', at which each of the texts is at most 'width' pixels wide.
// Fonts stand in for one another from system to system, so a fixed size
// that fits here may not fit there.
QFont fontFitting(QFont font, const QStringList &texts, int width, int smallest);

// How wide the widest of the texts is in the font.
int widestText(const QFont &font, const QStringList &texts);
