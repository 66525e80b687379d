#pragma once

#include <QList>
#include <QString>
#include <vector>

class QAction;
class QMenu;
class QWidget;

// A top-level menu with the group number that decides where it stands when
// a document window's menus merge into the main menu bar.
struct GroupedMenu {
    int group;
    QMenu *menu;
};

// The menus of one document window. Every window has its own copy, so check
// marks and enabled states are per window.
struct EditMenus {
    explicit EditMenus(QWidget *owner);

    std::vector<GroupedMenu> menus; // in menu-bar order
    QMenu *editMenu = nullptr;
    QMenu *windowMenu = nullptr;

    // File
    QAction *New1, *Open1, *Save1, *saveas, *Saveall1, *Insertfrom1, *Insertfromtextfile1,
        *Printersetup1, *Printersetup2, *Close1, *Closeall1, *Exit2;
    // Edit
    QAction *Undolasttag1, *Undoundo1, *Copy1, *Cut1, *Paste1, *Delete1, *Selectall1,
        *Setlinebreaks1, *removelinebreaks1, *Removeemptylines1, *Search2, *Replace2,
        *Wordwrapping1;
    // View
    QAction *Toolbar1, *HotKeys1, *StatusBar1, *SetFont1, *Previous1, *Next1;
    // Misc x, Window
    QAction *Autosave1, *Tile1, *Cascade1, *Arrangeall1, *N15;
    // The tag commands, in the order of the command table; def0..def9 among them.
    QList<QAction *> tagActions;
    QList<QAction *> defined; // def0 .. def9
    QList<QAction *> links;   // the Geos "Links" submenu; data: the page's path

    // Every command of these menus, submenus and shortcut-carrying menus included.
    QList<QAction *> allActions() const;
};
