#include "layoutpicture.h"

#include "layoutdrawing.h"

#include <QPainter>
#include <QStyleOptionFocusRect>

LayoutPicture::LayoutPicture(int layout, QWidget *parent) : QAbstractButton(parent), m_layout(layout)
{
    setFixedSize(80, 60);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QStringLiteral("Layout %1").arg(layout));
}

void LayoutPicture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintLayoutBlocks(painter, layoutBlocks(m_layout, size(), 50, 50), Qt::white);
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect().adjusted(2, 2, -2, -2);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}
