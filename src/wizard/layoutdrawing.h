#pragma once

#include <QRect>
#include <vector>

class QColor;
class QPainter;

// The blocks of a layout's frames inside an area, frame 1 first. A division
// of p percent takes round(p / 100 x the area's width or height) pixels and
// the block beside it the rest; the inner division of layouts 3 and 4 is
// measured against the whole area as well.
std::vector<QRect> layoutBlocks(int layout, QSize area, int outerPercent, int innerPercent);

// Fills each block and outlines it in black.
void paintLayoutBlocks(QPainter &painter, const std::vector<QRect> &blocks, const QColor &fill);
