#include "windowarrange.h"

#include <QMdiArea>
#include <QMdiSubWindow>

QList<QRect> stackedTiles(const QRect &area, int count)
{
    QList<QRect> tiles;
    if (count <= 0)
        return tiles;
    const int height = area.height() / count;
    for (int i = 0; i < count; ++i) {
        const int top = area.top() + i * height;
        const int bottom = i == count - 1 ? area.bottom() : top + height - 1;
        tiles << QRect(QPoint(area.left(), top), QPoint(area.right(), bottom));
    }
    return tiles;
}

QList<QPoint> iconPlaces(const QRect &area, const QList<QSize> &sizes)
{
    QList<QPoint> places;
    int x = area.left();
    int rowBottom = area.bottom() + 1;
    int rowHeight = 0;
    for (const QSize &size : sizes) {
        if (x > area.left() && x + size.width() > area.right() + 1) {
            rowBottom -= rowHeight;
            x = area.left();
            rowHeight = 0;
        }
        places << QPoint(x, rowBottom - size.height());
        x += size.width();
        rowHeight = qMax(rowHeight, size.height());
    }
    return places;
}

void tileStacked(QMdiArea &area)
{
    QList<QMdiSubWindow *> windows;
    for (QMdiSubWindow *sub : area.subWindowList()) {
        if (!sub->isMinimized() && !sub->isHidden())
            windows << sub;
    }
    const QList<QRect> tiles = stackedTiles(area.viewport()->rect(), windows.size());
    for (int i = 0; i < windows.size(); ++i) {
        if (windows[i]->isMaximized())
            windows[i]->showNormal();
        windows[i]->setGeometry(tiles[i]);
    }
}

void lineUpIcons(QMdiArea &area)
{
    QList<QMdiSubWindow *> icons;
    QList<QSize> sizes;
    for (QMdiSubWindow *sub : area.subWindowList()) {
        if (sub->isMinimized()) {
            icons << sub;
            sizes << sub->size();
        }
    }
    const QList<QPoint> places = iconPlaces(area.viewport()->rect(), sizes);
    for (int i = 0; i < icons.size(); ++i)
        icons[i]->move(places[i]);
}
