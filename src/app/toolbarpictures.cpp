#include "toolbarpictures.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

// Drawing on a grid of 16 by 16, in the picture's colours or, for a
// disabled button, in greys.
class Pen
{
public:
    Pen(QPainter &painter, bool enabled) : m_painter(painter), m_enabled(enabled) {}

    QColor ink() const { return m_enabled ? QColor(0x30, 0x30, 0x30) : QColor(0xa0, 0xa0, 0xa0); }
    QColor paper() const { return m_enabled ? Qt::white : QColor(0xe8, 0xe8, 0xe8); }
    QColor tint(QRgb rgb) const { return m_enabled ? QColor(rgb) : QColor(0xc0, 0xc0, 0xc0); }

    void use(const QColor &line, const QColor &fill = Qt::transparent, qreal width = 1)
    {
        m_painter.setPen(QPen(line, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        m_painter.setBrush(fill);
    }
    QPainter &painter() { return m_painter; }

    // A sheet with its top right corner folded down.
    void page(qreal x, qreal y, qreal w = 9, qreal h = 12)
    {
        use(ink(), paper());
        const QPointF outline[] = {{x, y}, {x + w - 3, y}, {x + w, y + 3}, {x + w, y + h}, {x, y + h}};
        m_painter.drawPolygon(outline, 5);
        m_painter.drawPolyline(QPolygonF{{x + w - 3, y}, {x + w - 3, y + 3}, {x + w, y + 3}});
    }
    void textLines(qreal x, qreal y, qreal w, int count)
    {
        use(tint(0x5a7fa8));
        for (int i = 0; i < count; ++i)
            m_painter.drawLine(QPointF(x, y + 2 * i), QPointF(x + w, y + 2 * i));
    }
    // A diskette: the body, the shutter at the top and the label below.
    void diskette(qreal x, qreal y, qreal s = 12)
    {
        use(ink(), tint(0x3d6db3));
        m_painter.drawRect(QRectF(x, y, s, s));
        use(ink(), paper());
        m_painter.drawRect(QRectF(x + s * 0.25, y, s * 0.5, s * 0.35));
        m_painter.drawRect(QRectF(x + s * 0.17, y + s * 0.55, s * 0.66, s * 0.45));
    }
    void cross(qreal x, qreal y, qreal s)
    {
        use(tint(0xc0392b), Qt::transparent, 2);
        m_painter.drawLine(QPointF(x, y), QPointF(x + s, y + s));
        m_painter.drawLine(QPointF(x + s, y), QPointF(x, y + s));
    }
    // A line with an open head at its end.
    void arrow(QPointF from, QPointF to, QRgb colour)
    {
        use(tint(colour), Qt::transparent, 1.6);
        m_painter.drawLine(from, to);
        const QLineF back(to, from);
        for (const qreal turn : {30.0, -30.0}) {
            QLineF wing = back;
            wing.setLength(3.5);
            wing.setAngle(back.angle() + turn);
            m_painter.drawLine(wing);
        }
    }
    // A window with its title bar.
    void window(const QRectF &frame)
    {
        use(ink(), paper());
        m_painter.drawRect(frame);
        use(ink(), tint(0x3d6db3));
        m_painter.drawRect(QRectF(frame.topLeft(), QSizeF(frame.width(), 2.5)));
    }
    void printer(qreal y)
    {
        use(ink(), paper());
        m_painter.drawRect(QRectF(4.5, y, 7, 4));
        use(ink(), tint(0x8a8a8a));
        m_painter.drawRoundedRect(QRectF(1.5, y + 3.5, 13, 6), 1, 1);
        use(ink(), paper());
        m_painter.drawRect(QRectF(4.5, y + 7.5, 7, 4));
    }
    void magnifier(qreal x, qreal y, qreal r)
    {
        use(ink(), tint(0xd6e6f5), 1.4);
        m_painter.drawEllipse(QPointF(x, y), r, r);
        use(ink(), Qt::transparent, 2.4);
        const qreal d = r * 0.7;
        m_painter.drawLine(QPointF(x + d, y + d), QPointF(x + d + 4, y + d + 4));
    }
    // A half-turn arrow for undo (pointing left) and its undoing (right).
    void turn(bool left)
    {
        // Drawn for the left one; the right one is its mirror image.
        const auto x = [left](qreal at) { return left ? at : 16 - at; };
        use(tint(0x2e7d32), Qt::transparent, 1.8);
        QPainterPath path;
        path.moveTo(x(4), 5);
        path.lineTo(x(9), 5);
        path.cubicTo(x(14), 5, x(14), 13, x(9), 13);
        path.lineTo(x(6), 13);
        m_painter.drawPath(path);
        m_painter.drawPolyline(QPolygonF{{x(7), 2}, {x(4), 5}, {x(7), 8}});
    }
    void tray(qreal y)
    {
        use(ink(), Qt::transparent, 1.4);
        m_painter.drawPolyline(QPolygonF{{2, y - 3}, {2, y}, {14, y}, {14, y - 3}});
    }

private:
    QPainter &m_painter;
    bool m_enabled;
};

void draw(Pen &pen, int place)
{
    QPainter &p = pen.painter();
    switch (place) {
    case 1: // New file
        pen.page(2.5, 1.5);
        pen.use(pen.tint(0x2e7d32), Qt::transparent, 2);
        p.drawLine(QPointF(12, 9), QPointF(12, 15));
        p.drawLine(QPointF(9, 12), QPointF(15, 12));
        break;
    case 2: { // Open file
        pen.use(pen.ink(), pen.tint(0xd9a93c));
        const QPointF back[] = {{1.5, 3.5}, {6, 3.5}, {7.5, 5}, {13.5, 5}, {13.5, 13.5}, {1.5, 13.5}};
        p.drawPolygon(back, 6);
        pen.use(pen.ink(), pen.tint(0xf2cc6b));
        const QPointF front[] = {{1.5, 13.5}, {4, 7.5}, {15.5, 7.5}, {13.5, 13.5}};
        p.drawPolygon(front, 4);
        break;
    }
    case 3: // Save file
        pen.diskette(2.5, 2.5);
        break;
    case 4: // Save file as
        pen.diskette(1.5, 1.5, 11);
        pen.use(pen.tint(0xb26a00), Qt::transparent, 2);
        p.drawLine(QPointF(9, 15), QPointF(15, 9));
        break;
    case 5: // Save all
        pen.diskette(1.5, 1.5, 9);
        pen.diskette(5.5, 5.5, 9);
        break;
    case 6: // Close
        pen.page(2.5, 1.5);
        pen.cross(9, 9, 5);
        break;
    case 7: // Close all
        pen.page(1.5, 0.5, 8, 10);
        pen.page(4.5, 3.5, 8, 11);
        pen.cross(9.5, 9.5, 5);
        break;
    case 8: // Insert textfile
        pen.page(5.5, 1.5);
        pen.textLines(7.5, 6, 5, 4);
        pen.arrow({0.5, 8}, {6, 8}, 0x2e7d32);
        break;
    case 9: // Insert from textfile
        pen.page(5.5, 1.5);
        pen.textLines(7.5, 6, 5, 4);
        pen.use(pen.tint(0xd9a93c), pen.tint(0xf7e08a));
        p.drawRect(QRectF(7, 7.5, 6, 3));
        pen.arrow({0.5, 9}, {6, 9}, 0x2e7d32);
        break;
    case 10: // Print file
        pen.printer(1.5);
        break;
    case 11: // Set up printer
        pen.printer(0.5);
        pen.use(pen.ink(), pen.tint(0xd9a93c), 1.2);
        p.drawEllipse(QPointF(12.5, 12.5), 2.8, 2.8);
        break;
    case 12: // Search
        pen.magnifier(6.5, 6.5, 4.5);
        break;
    case 13: // Replace
        pen.magnifier(5.5, 5.5, 4);
        pen.arrow({9, 14.5}, {15, 14.5}, 0xb26a00);
        break;
    case 14: // Undo
        pen.turn(true);
        break;
    case 15: // Undo undo
        pen.turn(false);
        break;
    case 16: // Tile windows
        for (const qreal x : {1.5, 8.5})
            for (const qreal y : {1.5, 8.5})
                pen.window(QRectF(x, y, 6, 6));
        break;
    case 17: // Cascade windows
        for (const qreal at : {1.5, 4.5, 7.5})
            pen.window(QRectF(at, at, 7, 7));
        break;
    case 18: // Download and open
        pen.tray(14.5);
        pen.arrow({8, 1}, {8, 11}, 0x2e7d32);
        break;
    case 19: // Upload
        pen.tray(14.5);
        pen.arrow({8, 12}, {8, 2}, 0x2e7d32);
        break;
    case 20: // Set font: a capital A
        pen.use(pen.ink(), Qt::transparent, 1.8);
        p.drawPolyline(QPolygonF{{2.5, 14}, {8, 2}, {13.5, 14}});
        p.drawLine(QPointF(5, 9.5), QPointF(11, 9.5));
        break;
    case 21: // Configuration: three sliders
        for (const auto &[y, knob] : {std::pair{3.5, 10.5}, {8.0, 5.0}, {12.5, 9.0}}) {
            pen.use(pen.ink(), Qt::transparent, 1.2);
            p.drawLine(QPointF(1.5, y), QPointF(14.5, y));
            pen.use(pen.ink(), pen.tint(0x3d6db3));
            p.drawRect(QRectF(knob - 1.5, y - 2, 3, 4));
        }
        break;
    case 22: { // Help: a question mark in a ring
        pen.use(pen.tint(0x3d6db3), pen.tint(0x3d6db3));
        p.drawEllipse(QPointF(8, 8), 7, 7);
        pen.use(pen.paper(), Qt::transparent, 1.8);
        QPainterPath hook;
        hook.moveTo(5.5, 6);
        hook.cubicTo(5.5, 2.5, 10.5, 2.5, 10.5, 6);
        hook.cubicTo(10.5, 8, 8, 8, 8, 10);
        p.drawPath(hook);
        pen.use(pen.paper(), pen.paper());
        p.drawEllipse(QPointF(8, 12.5), 0.9, 0.9);
        break;
    }
    case 23: // Exit: a door left open, and the way out
        pen.use(pen.ink(), pen.tint(0xb07a46));
        p.drawRect(QRectF(1.5, 1.5, 8, 13));
        pen.arrow({6, 8}, {15, 8}, 0xc0392b);
        break;
    default: break;
    }
}

class PictureEngine : public QIconEngine
{
public:
    explicit PictureEngine(int place) : m_place(place) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State) override
    {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->translate(rect.topLeft());
        painter->scale(rect.width() / 16.0, rect.height() / 16.0);
        Pen pen(*painter, mode != QIcon::Disabled);
        draw(pen, m_place);
        painter->restore();
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap picture(size);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        paint(&painter, picture.rect(), mode, state);
        return picture;
    }

    QIconEngine *clone() const override { return new PictureEngine(m_place); }

private:
    int m_place;
};

} // namespace

QIcon toolbarPicture(int place)
{
    return QIcon(new PictureEngine(place));
}
