#include "commandactions.h"

#include "apperror.h"
#include "colormemo.h"
#include "desktop.h"
#include "documentlist.h"
#include "editform.h"
#include "mainform.h"
#include "sites.h"
#include "tagcommands.h"
#include "tagrunner.h"
#include "tagshortcuts.h"
#include "toolbarpictures.h"

#include <QAction>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>
#include <cstring>
#include <functional>

namespace {

// Hides the tooltip of the one button that shows none.
class NoToolTip : public QObject
{
public:
    using QObject::QObject;
    bool eventFilter(QObject *, QEvent *event) override { return event->type() == QEvent::ToolTip; }
};

// "&Meta tags" -> "Metatags1"
QString menuName(const QString &caption)
{
    QString name = caption;
    name.remove(QLatin1Char('&'));
    name.remove(QLatin1Char(' '));
    return name + QLatin1String("1");
}

QAction *newItem(QObject *owner, const char *name, const char *caption, const char *shortcut)
{
    auto *action = new QAction(QString::fromLatin1(caption), owner);
    action->setObjectName(QLatin1String(name));
    if (*shortcut)
        action->setShortcut(QKeySequence(QLatin1String(shortcut)));
    return action;
}

} // namespace

CommandActions::CommandActions(Tmainform &main, QToolBar &toolbar) : QObject(&main), m_main(main)
{
    QMenu *file = addMenu(m_pageMenus, 1, QStringLiteral("&File"));
    m_editMenu = addMenu(m_pageMenus, 2, QStringLiteral("&Edit"));
    QMenu *view = addMenu(m_pageMenus, 2, QStringLiteral("&View"));
    addTagMenus();
    m_windowMenu = addMenu(m_pageMenus, 4, QStringLiteral("&Window"));
    QMenu *frameFile = addMenu(m_frameMenus, 1, QStringLiteral("&File"));
    QMenu *wizards = addMenu(m_frameMenus, 5, QStringLiteral("Wi&zards"));
    QMenu *help = addMenu(m_frameMenus, 5, QStringLiteral("&Help"));

    for (const Command &command : commands()) {
        QMenu *menu = nullptr;
        switch (command.menu) {
        case Menu::File: menu = file; break;
        case Menu::FrameFile: menu = frameFile; break;
        case Menu::Edit: menu = m_editMenu; break;
        case Menu::View: menu = view; break;
        case Menu::TagMenus: continue; // placed among the tag items
        case Menu::Window: menu = m_windowMenu; break;
        case Menu::Wizards: menu = wizards; break;
        case Menu::Help: menu = help; break;
        }
        QAction *action = addItem(*menu, command);
        if (command.alsoInFrameFile) {
            frameFile->addAction(action);
            if (command.separatorAfter)
                frameFile->addSeparator();
        }
    }
    connect(m_editMenu, &QMenu::aboutToShow, this, [this] {
        if (Teditform *page = m_main.activeDocument())
            page->updateEditItems();
    });
    addToolbar(toolbar);
}

QMenu *CommandActions::addMenu(std::vector<GroupedMenu> &menus, int group, const QString &caption)
{
    auto *menu = new QMenu(caption, &m_main);
    menu->setObjectName(menuName(caption));
    menus.push_back({group, menu});
    return menu;
}

QAction *CommandActions::addItem(QMenu &menu, const Command &command)
{
    QAction *action = newItem(&m_main, command.name, command.caption, command.shortcut);
    action->setCheckable(command.checkable);
    menu.addAction(action);
    if (command.separatorAfter)
        menu.addSeparator();
    connect(action, &QAction::triggered, this, [this, &command] { run(command); });
    if (command.item != DocumentItem::None)
        m_items[std::size_t(command.item)] = action;
    return action;
}

void CommandActions::addTagMenus()
{
    QMenu *menu = nullptr;
    for (const TagCommand &tag : tagCommands()) {
        const QString caption = QLatin1String(tag.menu);
        if (!menu || menu->title() != caption) {
            menu = addMenu(m_pageMenus, 4, caption);
            if (caption == QLatin1String("&CSS"))
                menu->menuAction()->setShortcut(QKeySequence(QStringLiteral("Shift+F2")));
        }
        QAction *action = newItem(&m_main, tag.handler, tag.caption, "");
        action->setShortcuts(tagShortcuts(tag));
        menu->addAction(action);
        connect(action, &QAction::triggered, this, [this, &tag] {
            if (Teditform *page = m_main.activeDocument())
                runTagCommand(tag, *page->CMemo1, *page->tagUndo);
        });
        if (caption == QLatin1String("&Defined"))
            m_defined << action;
        if (separatorFollows(tag.handler))
            menu->addSeparator();
        for (const Command &command : commands()) {
            if (command.afterTag && std::strcmp(command.afterTag, tag.handler) == 0)
                addItem(*menu, command);
        }
        if (std::strcmp(tag.handler, kLinksAfterTag) == 0)
            addHostingLinks(*menu);
    }
}

void CommandActions::addHostingLinks(QMenu &geos)
{
    geos.addSeparator();
    QMenu *links = geos.addMenu(QStringLiteral("Links"));
    links->setObjectName(QStringLiteral("Links1"));
    for (const HostingLink &link : hostingLinks()) {
        QAction *action = newItem(&m_main, link.name, link.caption, link.shortcut);
        links->addAction(action);
        connect(action, &QAction::triggered, this, [&link] {
            runCommand([&link] { Desktop::openAddress(webAddress(Site::Hosting, QLatin1String(link.path))); });
        });
    }
}

void CommandActions::addToolbar(QToolBar &toolbar)
{
    std::vector<const Command *> buttons;
    for (const Command &command : commands()) {
        if (command.button.name)
            buttons.push_back(&command);
    }
    std::sort(buttons.begin(), buttons.end(),
              [](const Command *a, const Command *b) { return a->button.place < b->button.place; });
    for (const Command *command : buttons) {
        const ToolbarButton &button = command->button;
        QAction *action = toolbar.addAction(toolbarPicture(button.place), QString());
        action->setObjectName(QLatin1String(button.name));
        action->setToolTip(QString::fromLatin1(button.tooltip));
        action->setStatusTip(QString::fromLatin1(button.hint));
        QWidget *widget = toolbar.widgetForAction(action);
        if (!*button.tooltip)
            widget->installEventFilter(new NoToolTip(action));
        widget->setFixedWidth(25);
        if (button.separatorAfter)
            toolbar.addSeparator();
        connect(action, &QAction::triggered, this, [this, command] {
            if (!command->button.needsTwoPages || m_main.documents().count() >= 2)
                run(*command);
        });
        m_buttons.emplace_back(button.rule, action);
        if (button.mirrorsItem)
            m_mirrors[std::size_t(command->item)] = action;
    }
}

void CommandActions::run(const Command &command)
{
    if (command.onFrame) {
        runCommand([this, &command] { command.onFrame(m_main); });
        return;
    }
    if (Teditform *page = m_main.activeDocument())
        runCommand([this, &command, page] { command.onPage(m_main, *page); });
    // Qt flips a check mark as its item is triggered; the page decides.
    if (command.checkable) {
        if (Teditform *page = m_main.activeDocument())
            showItem(*page, command.item);
    }
}

QList<QKeySequence> CommandActions::pageShortcuts() const
{
    QList<QKeySequence> keys;
    std::function<void(const QMenu &)> collect = [&](const QMenu &menu) {
        keys << menu.menuAction()->shortcuts();
        for (const QAction *action : menu.actions()) {
            if (action->menu())
                collect(*action->menu());
            else
                keys << action->shortcuts();
        }
    };
    for (const GroupedMenu &grouped : m_pageMenus)
        collect(*grouped.menu);
    return keys;
}

void CommandActions::showItem(const Teditform &page, DocumentItem item)
{
    const ItemState &state = page.item(item);
    if (QAction *action = m_items[std::size_t(item)]) {
        action->setEnabled(state.enabled);
        action->setChecked(state.checked && action->isCheckable());
    }
    if (QAction *button = m_mirrors[std::size_t(item)])
        button->setEnabled(state.enabled);
}

void CommandActions::showPage(const Teditform &page)
{
    for (std::size_t i = 1; i < kDocumentItems; ++i)
        showItem(page, DocumentItem(i));
    for (int k = 0; k < m_defined.size(); ++k)
        m_defined[k]->setText(page.definedCaptions().value(k));
}

void CommandActions::toolbarUpdate(int openDocuments)
{
    for (const auto &[rule, action] : m_buttons) {
        if (const auto state = toolbarState(rule, openDocuments))
            action->setEnabled(*state);
    }
}
