#include "documentlist.h"

#include "editform.h"

#include <QMdiArea>
#include <QMdiSubWindow>

DocumentList::DocumentList(QMdiArea &area) : m_area(area)
{
    connect(&area, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow *sub) { activate(member(sub)); });
}

Teditform *DocumentList::member(QMdiSubWindow *sub) const
{
    auto *window = sub ? qobject_cast<Teditform *>(sub->widget()) : nullptr;
    return m_members.contains(window) ? window : nullptr;
}

void DocumentList::activate(Teditform *window)
{
    // The area also reports a switch to another program as "no active
    // window"; the active document stays as it was.
    if (!window || window == m_active)
        return;
    m_active = window;
    emit activated(*window);
}

QList<Teditform *> DocumentList::windows() const
{
    QList<Teditform *> list;
    for (QMdiSubWindow *sub : m_area.subWindowList()) {
        if (Teditform *window = member(sub))
            list << window;
    }
    return list;
}

Teditform *DocumentList::active() const
{
    QMdiSubWindow *sub = m_area.activeSubWindow();
    if (!sub)
        sub = m_area.currentSubWindow();
    Teditform *window = sub ? qobject_cast<Teditform *>(sub->widget()) : m_active.data();
    return m_members.contains(window) ? window : nullptr;
}

void DocumentList::joined(Teditform &window)
{
    m_members.insert(&window);
    connect(&window, &Teditform::closed, this, [this, &window] { left(&window); });
    connect(&window, &Teditform::renamed, this, [this, &window] {
        if (&window == active())
            emit activeRenamed();
    });
    emit countChanged(count());
    activate(member(m_area.activeSubWindow()));
}

void DocumentList::left(Teditform *window)
{
    m_members.remove(window);
    const int now = count();
    if (now == 0)
        m_closingAll = false;
    emit countChanged(now);
}
