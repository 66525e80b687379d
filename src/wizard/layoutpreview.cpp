#include "layoutpreview.h"

#include "layoutdrawing.h"

#include <QPainter>

LayoutPreview::LayoutPreview(int layout, QWidget *parent) : QWidget(parent), m_layout(layout)
{
    setFixedSize(kArea);
}

void LayoutPreview::setPercents(int outerPercent, int innerPercent)
{
    m_outer = outerPercent;
    m_inner = innerPercent;
    update();
}

void LayoutPreview::setGrey(bool grey)
{
    m_grey = grey;
    update();
}

void LayoutPreview::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintLayoutBlocks(painter, layoutBlocks(m_layout, kArea, m_outer, m_inner),
                      m_grey ? QColor(128, 128, 128) : QColor(Qt::white));
}
