#include "layoutdrawing.h"

#include "framechoices.h"

#include <QPainter>

#include <algorithm>
#include <utility>

namespace {

// round(percent / 100 x extent), in integers: no halves to round for the
// extents the windows use, and none of floating point's near misses.
int scaled(int percent, int extent)
{
    return (std::clamp(percent, 0, 100) * extent * 2 + 100) / 200;
}

std::pair<QRect, QRect> split(const QRect &part, Division division, int percent, QSize area)
{
    if (division == Division::Columns) {
        const int width = std::min(scaled(percent, area.width()), part.width());
        return {QRect(part.left(), part.top(), width, part.height()),
                QRect(part.left() + width, part.top(), part.width() - width, part.height())};
    }
    const int height = std::min(scaled(percent, area.height()), part.height());
    return {QRect(part.left(), part.top(), part.width(), height),
            QRect(part.left(), part.top() + height, part.width(), part.height() - height)};
}

} // namespace

std::vector<QRect> layoutBlocks(int layout, QSize area, int outerPercent, int innerPercent)
{
    const auto [first, rest] = split(QRect(QPoint(0, 0), area), outerDivision(layout), outerPercent, area);
    if (!hasInnerDivision(layout))
        return {first, rest};
    const auto [second, third] = split(rest, innerDivision(layout), innerPercent, area);
    return {first, second, third};
}

void paintLayoutBlocks(QPainter &painter, const std::vector<QRect> &blocks, const QColor &fill)
{
    painter.save();
    painter.setPen(QPen(Qt::black, 0));
    painter.setBrush(fill);
    for (const QRect &block : blocks) {
        if (!block.isEmpty())
            painter.drawRect(block.adjusted(0, 0, -1, -1));
    }
    painter.restore();
}
