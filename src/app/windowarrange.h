#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <optional>

class QMdiArea;
class QMdiSubWindow;

// Tile: each window the area's full width, stacked from top to bottom;
// the last takes what the division leaves.
QList<QRect> stackedTiles(const QRect &area, int count);
// Where minimised windows of the given sizes go: left to right along the
// area's bottom, a new row above when one is full.
QList<QPoint> iconPlaces(const QRect &area, const QList<QSize> &sizes);

// Cascade: the windows one step (a title bar's height) right of and below
// each other, all of one size, as large as the area allows. A run keeps
// each window at least half the area's width and height; more windows
// start a new run at the top left.
QList<QRect> cascadePlaces(const QRect &area, int count, int step);
// Where a new window goes: one step right of and below the window opened
// before it, or at the top left when there is none or when the window would
// not fit there. Its size is three quarters of the area's width and four
// fifths of its height.
QRect newWindowPlace(const QRect &area, const std::optional<QPoint> &previous, int step);

// The height of a document window's title bar.
int titleBarHeight(const QMdiSubWindow &window);

// The document windows arranged so: the open ones tiled, the minimised
// ones lined up.
void tileStacked(QMdiArea &area);
void cascadeAll(QMdiArea &area); // the window in front stays in front
void lineUpIcons(QMdiArea &area);
