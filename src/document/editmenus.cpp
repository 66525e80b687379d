#include "editmenus.h"

#include "tagcommands.h"
#include "tagshortcuts.h"

#include <QAction>
#include <QMenu>

#include <functional>

namespace {

QAction *item(QMenu *menu, const char *name, const char *caption, const char *shortcut = "")
{
    QAction *action = menu->addAction(QString::fromLatin1(caption));
    action->setObjectName(QLatin1String(name));
    if (*shortcut)
        action->setShortcut(QKeySequence(QLatin1String(shortcut)));
    return action;
}

QAction *checkItem(QMenu *menu, const char *name, const char *caption, const char *shortcut,
                   bool checked)
{
    QAction *action = item(menu, name, caption, shortcut);
    action->setCheckable(true);
    action->setChecked(checked);
    return action;
}

QString menuName(const char *caption)
{
    QString name = QString::fromLatin1(caption);
    name.remove(QLatin1Char('&'));
    name.remove(QLatin1Char(' '));
    return name + QLatin1String("1");
}

// The hosting service's member pages, each a path on its site.
struct LinkItem {
    const char *name, *caption, *shortcut, *path;
};

const LinkItem kLinks[] = {
    {"Geocitieshome1", "Geocities home", "Shift+Alt+A", ""},
    {"Countermanager1", "Counter manager", "Shift+Alt+B", "/main/help/guides/guide_counter_change.html"},
    {"Guestbookmanager1", "Guest book manager", "Shift+Alt+C", "/main/help/guides/guestbook.html"},
    {"Geoguidemanager1", "Geoguide manager", "Shift+Alt+D", "/cgi-bin/geoguide/geoguide_verify"},
    {"HelpChat1", "Help Chat", "Shift+Alt+E", "/chat/Entry/Help.html"},
    {"Supportedfiletypes1", "Supported file types", "Shift+Alt+F", "/members/info/filetypes.html"},
    {"Contentguidelines1", "Content guidelines !!", "Shift+Alt+G", "/members/guidelines/guideline.html#guidelines"},
};

} // namespace

EditMenus::EditMenus(QWidget *owner)
{
    auto menu = [&](int group, const char *caption) {
        auto *m = new QMenu(QString::fromLatin1(caption), owner);
        m->setObjectName(menuName(caption));
        menus.push_back({group, m});
        return m;
    };

    QMenu *file = menu(1, "&File");
    New1 = item(file, "New1", "&New", "Ctrl+Alt+N");
    Open1 = item(file, "Open1", "&Open...", "Ctrl+Alt+O");
    file->addSeparator();
    Save1 = item(file, "Save1", "&Save", "Ctrl+Alt+S");
    saveas = item(file, "saveas", "S&ave as..", "Ctrl+Alt+A");
    Saveall1 = item(file, "Saveall1", "Save all", "Ctrl+Alt+L");
    file->addSeparator();
    Insertfrom1 = item(file, "Insertfrom1", "&Insert textfile...", "Ctrl+Alt+X");
    Insertfromtextfile1 = item(file, "Insertfromtextfile1", "Insert from textfile...", "Ctrl+Alt+I");
    file->addSeparator();
    Printersetup1 = item(file, "Printersetup1", "Print...", "Ctrl+Alt+P");
    Printersetup2 = item(file, "Printersetup2", "Printer setup...");
    file->addSeparator();
    Close1 = item(file, "Close1", "&Close", "Ctrl+Alt+C");
    Closeall1 = item(file, "Closeall1", "Close all", "Ctrl+Q");
    file->addSeparator();
    Exit2 = item(file, "Exit2", "E&xit", "Ctrl+Alt+Space");

    QMenu *edit = editMenu = menu(2, "&Edit");
    edit->setObjectName(QStringLiteral("Edit1"));
    Undolasttag1 = item(edit, "Undolasttag1", "Undo last tag ");
    Undolasttag1->setShortcut(undoLastTagShortcut());
    Undoundo1 = item(edit, "Undoundo1", "Undo undo");
    Undoundo1->setShortcut(undoUndoShortcut());
    edit->addSeparator();
    Copy1 = item(edit, "Copy1", "Copy", "Ctrl+C");
    Cut1 = item(edit, "Cut1", "Cut", "Ctrl+X");
    Paste1 = item(edit, "Paste1", "Paste", "Ctrl+V");
    Delete1 = item(edit, "Delete1", "Delete", "Ctrl+U");
    Selectall1 = item(edit, "Selectall1", "Select all", "Ctrl+Y");
    edit->addSeparator();
    Setlinebreaks1 = item(edit, "Setlinebreaks1", "Set line breaks", "Ctrl+J");
    removelinebreaks1 = item(edit, "removelinebreaks1", "Remove line breaks", "Ctrl+K");
    Removeemptylines1 = item(edit, "Removeemptylines1", "Remove empty lines", "Ctrl+Del");
    edit->addSeparator();
    Search2 = item(edit, "Search2", "Search", "Ctrl+Shift+S");
    Replace2 = item(edit, "Replace2", "Replace", "Ctrl+Shift+R");
    edit->addSeparator();
    Wordwrapping1 = checkItem(edit, "Wordwrapping1", "Word wrapping", "Ctrl+Shift+W", true);

    QMenu *view = menu(2, "&View");
    Toolbar1 = checkItem(view, "Toolbar1", "Toolbar", "Ctrl+Alt+T", true);
    HotKeys1 = checkItem(view, "HotKeys1", "Hot-Keys", "Ctrl+Alt+H", false);
    StatusBar1 = checkItem(view, "StatusBar1", "Status Bar", "Ctrl+Alt+B", true);
    view->addSeparator();
    SetFont1 = item(view, "SetFont1", "Set Font", "Ctrl+Alt+F");
    view->addSeparator();
    Previous1 = item(view, "Previous1", "Previous", "Ctrl+Alt+Left");
    Next1 = item(view, "Next1", "Next", "Ctrl+Alt+Right");

    QMenu *current = nullptr;
    QString currentCaption;
    for (const TagCommand &command : tagCommands()) {
        if (currentCaption != QLatin1String(command.menu)) {
            currentCaption = QLatin1String(command.menu);
            current = menu(4, command.menu);
            if (currentCaption == QLatin1String("&CSS"))
                current->menuAction()->setShortcut(QKeySequence(QStringLiteral("Shift+F2")));
        }
        if (command.pattern == TagPattern::HomeLink) {
            Autosave1 = checkItem(current, "Autosave1", "Autosave", "Ctrl+Shift+A", false);
            current->addSeparator();
        }
        QAction *action = item(current, command.handler, command.caption);
        action->setShortcuts(tagShortcuts(command));
        tagActions << action;
        if (currentCaption == QLatin1String("&Defined"))
            defined << action;
        if (separatorFollows(command.handler))
            current->addSeparator();
        if (QLatin1String(command.handler) == QLatin1String("Geoform1Click")) {
            current->addSeparator();
            QMenu *linkMenu = current->addMenu(QStringLiteral("Links"));
            linkMenu->setObjectName(QStringLiteral("Links1"));
            for (const LinkItem &link : kLinks) {
                links << item(linkMenu, link.name, link.caption, link.shortcut);
                links.last()->setData(QString::fromLatin1(link.path));
            }
        }
    }

    windowMenu = menu(4, "&Window");
    Tile1 = item(windowMenu, "Tile1", "&Tile", "Shift+Alt+T");
    Cascade1 = item(windowMenu, "Cascade1", "&Cascade", "Shift+Alt+U");
    Arrangeall1 = item(windowMenu, "Arrangeall1", "&Arrange all", "Shift+Alt+V");
    windowMenu->addSeparator();
    N15 = item(windowMenu, "N15", "Launch Browser", "Ctrl+G");
}

QList<QAction *> EditMenus::allActions() const
{
    QList<QAction *> all;
    std::function<void(QMenu *)> collect = [&](QMenu *m) {
        if (!m->menuAction()->shortcut().isEmpty())
            all << m->menuAction();
        for (QAction *action : m->actions()) {
            if (action->menu())
                collect(action->menu());
            else if (!action->isSeparator())
                all << action;
        }
    };
    for (const GroupedMenu &grouped : menus)
        collect(grouped.menu);
    return all;
}
