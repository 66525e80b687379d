#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

class QMdiArea;

// Tile: each window the area's full width, stacked from top to bottom;
// the last takes what the division leaves.
QList<QRect> stackedTiles(const QRect &area, int count);
// Where minimised windows of the given sizes go: left to right along the
// area's bottom, a new row above when one is full.
QList<QPoint> iconPlaces(const QRect &area, const QList<QSize> &sizes);

// The document windows arranged so: the open ones tiled, the minimised
// ones lined up.
void tileStacked(QMdiArea &area);
void lineUpIcons(QMdiArea &area);
