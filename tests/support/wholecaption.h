#pragma once

// Whether the labels and buttons of a shown window show their captions
// whole: each has the room its text needs, and none of it is hidden
// beyond the sides of what holds it.

#include <QAbstractButton>
#include <QLabel>
#include <QStringList>
#include <QWidget>

// Whether part of the widget's width lies beyond the sides of one of the
// widgets that hold it (the top and bottom may scroll out of view).
inline bool cutAtTheSides(const QWidget *widget, const QWidget &window)
{
    for (const QWidget *holder = widget->parentWidget(); holder; holder = holder->parentWidget()) {
        const int left = widget->mapTo(holder, QPoint(0, 0)).x();
        if (left < 0 || left + widget->width() > holder->width())
            return true;
        if (holder == &window)
            break;
    }
    return false;
}

// The captions of the window's labels and buttons that are cut; empty when
// every one shows whole.
inline QStringList cutCaptions(const QWidget &window)
{
    QStringList cut;
    for (const QWidget *widget : window.findChildren<QWidget *>()) {
        const auto *label = qobject_cast<const QLabel *>(widget);
        const auto *button = qobject_cast<const QAbstractButton *>(widget);
        if ((!label && !button) || !widget->isVisible())
            continue;
        QSize needed = widget->sizeHint();
        if (label && label->wordWrap()) // may take more lines instead
            needed = QSize(0, label->heightForWidth(label->width()));
        const bool roomy = widget->width() >= needed.width() && widget->height() >= needed.height();
        if (!roomy || cutAtTheSides(widget, window))
            cut << (label ? label->text() : button->text());
    }
    return cut;
}
