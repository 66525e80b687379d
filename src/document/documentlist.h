#pragma once

#include <QObject>
#include <QPointer>
#include <QSet>

class QMdiArea;
class QMdiSubWindow;
class Teditform;

// The open document windows, read from the frame's MDI area in window
// order: each from when it joins until its close handler has run. Keeps
// the state of "Close all" and announces each change: a window joining or
// leaving, another window coming to the front, the front window taking a
// new name.
class DocumentList : public QObject
{
    Q_OBJECT

public:
    explicit DocumentList(QMdiArea &area);

    QList<Teditform *> windows() const;
    int count() const { return int(windows().size()); }
    // The window in front; it stays so while another program has the focus.
    Teditform *active() const;

    // "Close all" is under way: each window that comes to the front closes.
    bool closingAll() const { return m_closingAll; }
    void setClosingAll(bool closing) { m_closingAll = closing; }

    // A window the area has just taken. The area makes it active as it
    // takes it: that is announced now, after the new count.
    void joined(Teditform &window);

signals:
    void countChanged(int count);
    void activated(Teditform &window);
    void activeRenamed();

private:
    Teditform *member(QMdiSubWindow *sub) const; // nullptr: none
    void activate(Teditform *window);
    void left(Teditform *window);

    QMdiArea &m_area;
    QSet<const Teditform *> m_members;
    QPointer<Teditform> m_active;
    bool m_closingAll = false;
};
