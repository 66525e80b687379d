#include "editform.h"

#include "apperror.h"
#include "bytetext.h"
#include "colormemo.h"
#include "desktop.h"
#include "dialogs.h"
#include "documenthost.h"
#include "documentlist.h"
#include "documentrules.h"
#include "fontform.h"
#include "messages.h"
#include "nativefiles.h"
#include "page.h"
#include "settings.h"
#include "searchcommands.h"
#include "sites.h"
#include "tagrunner.h"
#include "tagtable.h"
#include "tagundo.h"
#include "textcommands.h"
#include "viewcommands.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QCloseEvent>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTextDocument>
#include <QVBoxLayout>

Teditform::Teditform(DocumentHost *host, QWidget *parent)
    : QWidget(parent), menus(this), m_host(host)
{
    CMemo1 = new TColorMemo(this);
    CMemo1->setObjectName(QStringLiteral("CMemo1"));
    applyDocumentRules(*CMemo1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(CMemo1);
    setFocusProxy(CMemo1);
    m_page = new Page(*CMemo1, this);
    connect(m_page, &Page::renamed, this, &Teditform::showName);
    connect(m_page, &Page::matchesItsFile, this,
            [this] { m_host->setPanel(DocumentHost::ModifiedPanel, QString()); });
    connect(m_page, &Page::savedAs, this, [this] {
        // Both wait for the next change of the text.
        menus.Save1->setEnabled(false);
        menus.saveas->setEnabled(false);
    });
    connect(m_page, &Page::autosaveChanged, this, [this] { setWindowTitle(m_page->caption()); });
    tagUndo = new TagUndo(*CMemo1, this);
    connectTagCommands();
    connectTextCommands();
    connectCommands();

    menus.Undoundo1->setEnabled(false);
    menus.Closeall1->setEnabled(m_host->documents().count() >= 2);
    menus.Undolasttag1->setEnabled(false);
    updateBrowserItem();
    for (int k = 0; k < menus.defined.size(); ++k)
        menus.defined[k]->setText(g_tags.captions[k]);
}

void Teditform::connectCommands()
{
    auto on = [this](QAction *action, auto slot) {
        connect(action, &QAction::triggered, this, [slot] { runCommand(slot); });
    };
    on(menus.New1, [this] { m_host->newDocument(); });
    on(menus.Open1, [this] { m_host->openDocuments(); });
    on(menus.Save1, [this] { save(); });
    on(menus.saveas, [this] { saveAs(); });
    on(menus.Saveall1, [this] { m_host->saveAll(); });
    on(menus.Close1, [this] { closeWindow(); });
    on(menus.Closeall1, [this] { closeAll(); });
    on(menus.Exit2, [this] { m_host->closeMainWindow(); });
    on(menus.Autosave1, [this] { toggleAutosave(); });
    connect(menus.windowMenu, &QMenu::aboutToShow, this,
            [this] { m_host->listWindows(menus.windowMenu); });
    connectViewCommands();
    connect(CMemo1, &QPlainTextEdit::textChanged, this, &Teditform::cMemo1Change);

    QList<QKeySequence> reserved;
    for (QAction *action : menus.allActions())
        reserved << action->shortcuts();
    CMemo1->setReservedShortcuts(reserved);
}

void Teditform::connectViewCommands()
{
    auto on = [this](QAction *action, auto slot) {
        connect(action, &QAction::triggered, this, [slot] { runCommand(slot); });
    };
    using Bar = DocumentHost::Bar;
    on(menus.Printersetup1, [this] { print(); });
    on(menus.Printersetup2, [this] { Dialogs::printerSetup(m_host->printer(), 9); });
    on(menus.Wordwrapping1, [this] { toggleWordWrapping(*menus.Wordwrapping1, *CMemo1); });
    // Each window's own check marks flip with its items, whatever is shown.
    on(menus.Toolbar1, [this] { m_host->flipVisibility(Bar::Toolbar); });
    on(menus.HotKeys1, [this] { m_host->flipVisibility(Bar::HotKeys); });
    on(menus.StatusBar1, [this] { m_host->flipVisibility(Bar::StatusBar); });
    on(menus.SetFont1, [this] { runFontWindow(this, *m_host); });
    on(menus.Previous1, [this] { m_host->activatePrevious(); });
    on(menus.Next1, [this] { m_host->activateNext(); });
    on(menus.Tile1, [this] { m_host->tile(); });
    on(menus.Cascade1, [this] { m_host->cascade(); });
    on(menus.Arrangeall1, [this] { m_host->arrangeIcons(); });
    on(menus.N15, [this] { launchBrowser(m_page->fileName()); });
    for (QAction *link : menus.links)
        on(link, [link] { Desktop::openAddress(webAddress(Site::Hosting, link->data().toString())); });
}

void Teditform::connectTextCommands()
{
    auto on = [this](QAction *action, auto slot) {
        connect(action, &QAction::triggered, this, [slot] { runCommand(slot); });
    };
    using namespace TextCommands;
    // The rule runs as the menu drops down, and also whenever the selection
    // or the clipboard changes, so that the shortcuts follow it in between.
    const auto updateMenu = [this] { updateEditMenu(menus, *CMemo1); };
    connect(menus.editMenu, &QMenu::aboutToShow, this, updateMenu);
    connect(CMemo1, &QPlainTextEdit::copyAvailable, this, updateMenu);
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, updateMenu);
    updateMenu();
    on(menus.Copy1, [this] { copy(*CMemo1); });
    on(menus.Cut1, [this] { cut(*CMemo1); });
    on(menus.Paste1, [this] { paste(*CMemo1, *tagUndo); });
    on(menus.Delete1, [this] { deleteSelection(*CMemo1); });
    on(menus.Selectall1, [this] { CMemo1->selectAll(); });
    on(menus.Setlinebreaks1, [this] { TextCommands::setLineBreaks(*CMemo1); });
    on(menus.removelinebreaks1, [this] { removeLineBreaks(*CMemo1); });
    on(menus.Removeemptylines1, [this] { TextCommands::removeEmptyLines(*CMemo1); });
    on(menus.Insertfrom1, [this] { insertTextFile(); });
    on(menus.Insertfromtextfile1, [this] { insertFromTextFile(); });
    on(menus.Search2, [this] { search(); });
    on(menus.Replace2, [this] { replace(); });
}

void Teditform::insertTextFile()
{
    TextCommands::insertTextFile(*CMemo1, m_page->bytes());
}

void Teditform::insertFromTextFile()
{
    TextCommands::insertFromTextFile(*CMemo1, m_page->bytes(), this);
}

void Teditform::search()
{
    SearchCommands::search(*CMemo1, this);
}

void Teditform::replace()
{
    SearchCommands::replace(*CMemo1, this);
}

void Teditform::print()
{
    printPage(*CMemo1, m_host->printer(), m_page->shownName());
}

void Teditform::connectTagCommands()
{
    const auto commands = tagCommands();
    for (size_t i = 0; i < commands.size(); ++i) {
        const TagCommand &command = commands[i];
        connect(menus.tagActions[i], &QAction::triggered, this,
                [this, &command] { runTagCommand(command, *CMemo1, *tagUndo); });
    }
    connect(menus.Undolasttag1, &QAction::triggered, tagUndo, &TagUndo::undoLastTag);
    connect(menus.Undoundo1, &QAction::triggered, tagUndo, &TagUndo::undoUndo);
    connect(tagUndo, &TagUndo::availabilityChanged, this, &Teditform::showUndoState);
}

void Teditform::showUndoState(bool undo, bool undoUndo)
{
    menus.Undolasttag1->setEnabled(undo);
    menus.Undoundo1->setEnabled(undoUndo);
    // The toolbar mirrors the active document only.
    if (m_host->documents().active() == this)
        m_host->setUndoButtons(undo, undoUndo);
}

void Teditform::formShow()
{
    CMemo1->setFocus();
    CMemo1->setFont(editorFont());
    menus.Closeall1->setEnabled(m_host->documents().count() >= 2);
    writeSizePanel();
    setWindowTitle(m_page->caption());
    updateBrowserItem();
    if (!m_page->named())
        m_page->showSkeleton();
    m_host->setUndoButtons(menus.Undolasttag1->isEnabled(), menus.Undoundo1->isEnabled());
}

void Teditform::formActivate()
{
    CMemo1->setFont(editorFont());
    DocumentList &documents = m_host->documents();
    if (documents.closingAll()) {
        // Closed once activation has finished, through its own close query.
        QMetaObject::invokeMethod(this, &Teditform::closeWindow, Qt::QueuedConnection);
    }
    menus.Closeall1->setEnabled(documents.count() >= 2);
    menus.Saveall1->setEnabled(documents.count() >= 2);
    updateBrowserItem();
    writeSizePanel();
    m_host->setPanel(DocumentHost::PathPanel, ByteText::displayed(m_page->fileName()));
    m_host->setPanel(DocumentHost::ModifiedPanel,
                     CMemo1->modified() ? QStringLiteral("modified") : QString());
    CMemo1->setFocus();
    m_host->setUndoButtons(menus.Undolasttag1->isEnabled(), menus.Undoundo1->isEnabled());
    CMemo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
}

void Teditform::showName()
{
    setWindowTitle(m_page->caption());
    m_host->setPanel(DocumentHost::PathPanel, ByteText::displayed(m_page->fileName()));
    updateBrowserItem();
    emit renamed();
}

bool Teditform::save()
{
    CMemo1->setFocus();
    return m_page->save();
}

bool Teditform::saveAs()
{
    const bool written = m_page->saveAs();
    CMemo1->setFocus();
    return written;
}

QMdiSubWindow *Teditform::subWindow() const
{
    return qobject_cast<QMdiSubWindow *>(parentWidget());
}

void Teditform::closeWindow()
{
    if (QMdiSubWindow *sub = subWindow())
        sub->close();
    else
        close();
}

void Teditform::closeWithoutQuery()
{
    m_closeApproved = true;
    closeWindow();
}

void Teditform::closeAll()
{
    m_host->documents().setClosingAll(true);
    closeWindow();
}

bool Teditform::formCloseQuery()
{
    return m_page->mayClose();
}

void Teditform::closeEvent(QCloseEvent *event)
{
    if (!m_closeApproved && !formCloseQuery()) {
        // A refused close ends "Close all": the windows activated later,
        // new ones included, stay open.
        m_host->documents().setClosingAll(false);
        event->ignore();
        return;
    }
    m_closeApproved = true;
    formClose();
    event->accept();
}

void Teditform::formClose()
{
    m_closed = true;
    emit closed();
}

void Teditform::toggleAutosave()
{
    m_page->toggleAutosave();
    // Qt flips the check mark as the item is triggered; the page decides.
    menus.Autosave1->setChecked(m_page->autosave());
    CMemo1->setFocus();
}

void Teditform::cMemo1Change()
{
    CMemo1->setModified(true);
    writeSizePanel();
    m_host->setPanel(DocumentHost::ModifiedPanel, QStringLiteral("modified"));
    menus.Save1->setEnabled(true);
    menus.saveas->setEnabled(true);
    updateBrowserItem();
}

void Teditform::writeSizePanel()
{
    m_host->setPanel(DocumentHost::SizePanel, QStringLiteral("%1 bytes").arg(m_page->bytes().size()));
}

void Teditform::updateBrowserItem()
{
    menus.N15->setEnabled(m_page->named());
}
