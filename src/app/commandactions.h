#pragma once

#include "commandtable.h"
#include "menumerge.h"

#include <QKeySequence>
#include <QList>
#include <QObject>

#include <array>

class QAction;
class QMenu;
class QToolBar;
class Teditform;
class Tmainform;

// The main window's one set of menu items and toolbar buttons, made from
// the command table and the tag table. Each command runs on the main
// window or on the page in front; the items whose state each page keeps
// show the state of the page in front.
class CommandActions : public QObject
{
    Q_OBJECT

public:
    CommandActions(Tmainform &main, QToolBar &toolbar);

    // The menu bar without a page, and the menus a page brings to it.
    const std::vector<GroupedMenu> &frameMenus() const { return m_frameMenus; }
    const std::vector<GroupedMenu> &pageMenus() const { return m_pageMenus; }
    QMenu *windowMenu() const { return m_windowMenu; }
    // Every key of the page's menus, which a page's memo leaves to them.
    QList<QKeySequence> pageShortcuts() const;

    // The items and buttons that show a page's state take the state of
    // this page, which is in front.
    void showPage(const Teditform &page);
    void showItem(const Teditform &page, DocumentItem item);
    // Buttons enabled from the number of open pages.
    void toolbarUpdate(int openDocuments);

private:
    QMenu *addMenu(std::vector<GroupedMenu> &menus, int group, const QString &caption);
    QAction *addItem(QMenu &menu, const Command &command);
    void addTagMenus();
    void addHostingLinks(QMenu &geos);
    void addToolbar(QToolBar &toolbar);
    void run(const Command &command);

    Tmainform &m_main;
    std::vector<GroupedMenu> m_frameMenus, m_pageMenus;
    QMenu *m_editMenu = nullptr;
    QMenu *m_windowMenu = nullptr;
    std::array<QAction *, kDocumentItems> m_items{};   // the menu item showing each page state
    std::array<QAction *, kDocumentItems> m_mirrors{}; // a toolbar button showing it too
    QList<QAction *> m_defined;                        // def0 .. def9
    std::vector<std::pair<ToolbarButton::Rule, QAction *>> m_buttons;
};
