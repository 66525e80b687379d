#include "editform.h"

#include "bytetext.h"
#include "colormemo.h"
#include "documenthost.h"
#include "documentlist.h"
#include "documentrules.h"
#include "fontform.h"
#include "page.h"
#include "searchcommands.h"
#include "tagtable.h"
#include "tagundo.h"
#include "textcommands.h"
#include "viewcommands.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QVBoxLayout>

Teditform::Teditform(DocumentHost *host, QWidget *parent)
    : QWidget(parent),
      m_host(host),
      m_definedCaptions(g_tags.captions.begin(), g_tags.captions.end())
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
    connect(m_page, &Page::matchesItsFile, this, [this] { m_host->setPanel(DocumentHost::ModifiedPanel, QString()); });
    connect(m_page, &Page::savedAs, this, [this] {
        // Both wait for the next change of the text.
        setItemEnabled(DocumentItem::Save, false);
        setItemEnabled(DocumentItem::SaveAs, false);
    });
    connect(m_page, &Page::autosaveChanged, this, [this] { setWindowTitle(m_page->caption()); });
    connect(CMemo1, &QPlainTextEdit::textChanged, this, &Teditform::cMemo1Change);

    tagUndo = new TagUndo(*CMemo1, this);
    connect(tagUndo, &TagUndo::availabilityChanged, this, [this](bool undo, bool undoUndo) {
        setItemEnabled(DocumentItem::UndoLastTag, undo);
        setItemEnabled(DocumentItem::UndoUndo, undoUndo);
    });
    setItemEnabled(DocumentItem::UndoLastTag, false);
    setItemEnabled(DocumentItem::UndoUndo, false);

    // The edit rule runs as the menu drops down, and also whenever the
    // selection or the clipboard changes, so that the shortcuts follow it
    // in between.
    connect(CMemo1, &QPlainTextEdit::copyAvailable, this, &Teditform::updateEditItems);
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, &Teditform::updateEditItems);
    updateEditItems();

    for (DocumentItem checked : {DocumentItem::WordWrapping, DocumentItem::Toolbar, DocumentItem::StatusBar})
        setItemChecked(checked, true);
    setItemEnabled(DocumentItem::LaunchBrowser, m_page->named());
}

void Teditform::setItemEnabled(DocumentItem item, bool enabled)
{
    setItemState(item, &ItemState::enabled, enabled);
}

void Teditform::setItemChecked(DocumentItem item, bool checked)
{
    setItemState(item, &ItemState::checked, checked);
}

void Teditform::setItemState(DocumentItem item, bool ItemState::*part, bool value)
{
    // Said only when it changes: a keystroke sets some items each time.
    bool &state = m_items[std::size_t(item)].*part;
    if (state == value)
        return;
    state = value;
    emit itemChanged(item);
}

void Teditform::flipCheckMark(DocumentItem item)
{
    setItemChecked(item, !this->item(item).checked);
}

void Teditform::updateEditItems()
{
    const QMimeData *clipboard = QGuiApplication::clipboard()->mimeData();
    setItemEnabled(DocumentItem::Paste, clipboard && clipboard->hasText());
    const bool selected = CMemo1->textCursor().hasSelection();
    for (DocumentItem item : {DocumentItem::Copy, DocumentItem::Cut, DocumentItem::Delete})
        setItemEnabled(item, selected);
}

void Teditform::toggleWordWrapping()
{
    flipCheckMark(DocumentItem::WordWrapping);
    wrapWords(*CMemo1, item(DocumentItem::WordWrapping).checked);
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

void Teditform::print(QPrinter &printer)
{
    printPage(*CMemo1, printer, m_page->shownName());
}

void Teditform::launchBrowser()
{
    ::launchBrowser(m_page->fileName());
}

void Teditform::formShow()
{
    CMemo1->setFocus();
    CMemo1->setFont(editorFont());
    writeSizePanel();
    setWindowTitle(m_page->caption());
    if (!m_page->named())
        m_page->showSkeleton();
}

void Teditform::formActivate()
{
    CMemo1->setFont(editorFont());
    DocumentList &documents = m_host->documents();
    if (documents.closingAll()) {
        // Closed once activation has finished, through its own close query.
        QMetaObject::invokeMethod(this, &Teditform::closeWindow, Qt::QueuedConnection);
    }
    setItemEnabled(DocumentItem::CloseAll, documents.count() >= 2);
    setItemEnabled(DocumentItem::SaveAll, documents.count() >= 2);
    setItemEnabled(DocumentItem::LaunchBrowser, m_page->named());
    writeSizePanel();
    m_host->setPanel(DocumentHost::PathPanel, ByteText::displayed(m_page->fileName()));
    m_host->setPanel(DocumentHost::ModifiedPanel, CMemo1->modified() ? QStringLiteral("modified") : QString());
    CMemo1->setFocus();
    CMemo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
}

void Teditform::showName()
{
    setWindowTitle(m_page->caption());
    m_host->setPanel(DocumentHost::PathPanel, ByteText::displayed(m_page->fileName()));
    setItemEnabled(DocumentItem::LaunchBrowser, m_page->named());
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
    emit closed();
}

void Teditform::toggleAutosave()
{
    m_page->toggleAutosave();
    setItemChecked(DocumentItem::Autosave, m_page->autosave());
    CMemo1->setFocus();
}

void Teditform::cMemo1Change()
{
    CMemo1->setModified(true);
    writeSizePanel();
    m_host->setPanel(DocumentHost::ModifiedPanel, QStringLiteral("modified"));
    setItemEnabled(DocumentItem::Save, true);
    setItemEnabled(DocumentItem::SaveAs, true);
}

void Teditform::writeSizePanel()
{
    m_host->setPanel(DocumentHost::SizePanel, QStringLiteral("%1 bytes").arg(m_page->bytes().size()));
}
