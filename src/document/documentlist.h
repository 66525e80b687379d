#pragma once

#include <QObject>
#include <QPointer>

class QMdiArea;
class Teditform;

// The open document windows, read from the frame's MDI area in window
// order. Keeps the state of "Close all" and announces each change: a
// window joining or leaving, another window coming to the front, the
// front window taking a new name.
class DocumentList : public QObject
{
    Q_OBJECT

public:
    explicit DocumentList(QMdiArea &area);

    QList<Teditform *> windows() const; // a window that has closed is no longer one
    int count() const { return int(windows().size()); }
    // The window in front; it stays so while another program has the focus.
    Teditform *active() const;

    // "Close all" is under way: each window that comes to the front closes.
    bool closingAll() const { return m_closingAll; }
    void setClosingAll(bool closing) { m_closingAll = closing; }

    // A window the area has just taken; its closing is followed from here on.
    void joined(Teditform &window);

signals:
    void countChanged(int count);
    void activated(Teditform &window);
    void activeRenamed();

private:
    void left();

    QMdiArea &m_area;
    QPointer<Teditform> m_active;
    bool m_closingAll = false;
};
