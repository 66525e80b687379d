#include "windowarrange.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStyle>
#include <QStyleOptionTitleBar>

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

QList<QRect> cascadePlaces(const QRect &area, int count, int step)
{
    QList<QRect> places;
    if (count <= 0)
        return places;
    step = qMax(1, step);
    const int longestRun = 1 + qMin(area.width(), area.height()) / 2 / step;
    const int run = qMin(count, longestRun);
    const QSize size = area.size() - QSize(run - 1, run - 1) * step;
    for (int i = 0; i < count; ++i)
        places << QRect(area.topLeft() + QPoint(1, 1) * (i % run) * step, size);
    return places;
}

QRect newWindowPlace(const QRect &area, const std::optional<QPoint> &previous, int step)
{
    const QSize size(area.width() * 3 / 4, area.height() * 4 / 5);
    QRect place(previous ? *previous + QPoint(step, step) : area.topLeft(), size);
    if (!area.contains(place))
        place.moveTopLeft(area.topLeft());
    return place;
}

int titleBarHeight(const QMdiSubWindow &window)
{
    QStyleOptionTitleBar option;
    option.initFrom(&window);
    return window.style()->pixelMetric(QStyle::PM_TitleBarHeight, &option, &window);
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

void cascadeAll(QMdiArea &area)
{
    QList<QMdiSubWindow *> windows;
    for (QMdiSubWindow *sub : area.subWindowList(QMdiArea::StackingOrder)) {
        if (!sub->isMinimized() && !sub->isHidden())
            windows << sub;
    }
    if (windows.isEmpty())
        return;
    const QList<QRect> places =
        cascadePlaces(area.viewport()->rect(), windows.size(), titleBarHeight(*windows.first()));
    for (int i = 0; i < windows.size(); ++i) {
        if (windows[i]->isMaximized())
            windows[i]->showNormal();
        windows[i]->setGeometry(places[i]);
        windows[i]->raise();
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
