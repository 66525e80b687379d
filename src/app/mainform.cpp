#include "mainform.h"

#include "aboutform.h"
#include "apperror.h"
#include "colormemo.h"
#include "commandactions.h"
#include "configform.h"
#include "dialogs.h"
#include "documentlist.h"
#include "editform.h"
#include "fontform.h"
#include "framewizard.h"
#include "ftpcommands.h"
#include "helpcontexts.h"
#include "hotkeypanel.h"
#include "menumerge.h"
#include "messages.h"
#include "nativefiles.h"
#include "page.h"
#include "settings.h"
#include "startup.h"
#include "tagtable.h"
#include "version.h"
#include "windowarrange.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPrinter>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolBar>

namespace {

constexpr int kPanelWidths[] = {240, 75, 75, 60, 50};

} // namespace

Tmainform::Tmainform(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("mainform"));
    m_mdi = new QMdiArea(this);
    m_documents = std::make_unique<DocumentList>(*m_mdi);
    ScrollBox1 = new HotKeyPanel(this);
    auto *centre = new QWidget(this);
    auto *layout = new QHBoxLayout(centre);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_mdi);
    layout->addWidget(ScrollBox1);
    setCentralWidget(centre);
    setMinimumWidth(655);

    ToolBar1 = addToolBar(QStringLiteral("Toolbar"));
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setMovable(false);
    // The pictures are drawn for 16 pixels: the buttons are 25 wide.
    ToolBar1->setIconSize(QSize(16, 16));
    m_commands = new CommandActions(*this, *ToolBar1);
    keepUploadAvailable(*action("FTP1"), *m_documents);
    connect(m_commands->windowMenu(), &QMenu::aboutToShow, this, &Tmainform::listWindows);
    showMenus();
    buildStatusBar();
    connect(m_documents.get(), &DocumentList::countChanged, this, &Tmainform::showDocumentCount);
    connect(m_documents.get(), &DocumentList::activated, this, &Tmainform::activated);
    formCreate();
}

Tmainform::~Tmainform()
{
    // The document windows go down with the frame: nothing to re-merge.
    disconnect(m_mdi, nullptr, this, nullptr);
    for (QMdiSubWindow *sub : m_mdi->findChildren<QMdiSubWindow *>())
        disconnect(sub, nullptr, this, nullptr);
}

void Tmainform::formCreate()
{
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state == Qt::ApplicationInactive)
            autosaveAll();
    });
    setWindowState(windowState() | Qt::WindowMaximized);
    showDocumentCount(0);
    setWindowTitle(versionCaption());
    runCommand(loadAllSettings);
}

void Tmainform::buildStatusBar()
{
    QStatusBar *bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(false);
    for (int i = 0; i < 5; ++i) {
        auto *label = new QLabel(bar);
        label->setObjectName(QStringLiteral("Panel%1").arg(i));
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        // At least the panel's own width, and room for its whole text: a
        // page of millions of bytes, or an explanation in a wide font.
        label->setMinimumWidth(kPanelWidths[i]);
        m_panels[i] = label;
        // The path panel takes what is left of the bar.
        bar->addPermanentWidget(label, i == 4 ? 1 : 0);
    }
    // The explanations are known now: the panel takes the widest, so that
    // the panels beside it stay where they are while the mouse moves.
    QLabel *hints = m_panels[HintPanel];
    int widest = 0;
    for (const QAction *button : ToolBar1->actions())
        widest = qMax(widest, hints->fontMetrics().horizontalAdvance(button->statusTip()));
    hints->setMinimumWidth(qMax(kPanelWidths[HintPanel], widest + 2 * hints->frameWidth() + hints->margin() + 4));
}

QAction *Tmainform::action(const char *name) const
{
    return findChild<QAction *>(QLatin1String(name));
}

bool Tmainform::event(QEvent *event)
{
    if (event->type() == QEvent::StatusTip) {
        m_panels[HintPanel]->setText(static_cast<QStatusTipEvent *>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

void Tmainform::formShow(const QStringList &arguments)
{
    if (!arguments.isEmpty() && !arguments[0].isEmpty()) {
        // Made absolute now: the page is saved where it was found, whatever
        // the working directory is later.
        const QString first = NativeFiles::absolute(arguments[0]);
        m_openDialogFileName = first;
        openDocument(first);
    }

    if (!g_settings.tagsInstalled) {
        const auto answer = Messages::show(Messages::Kind::Confirmation,
                                           QStringLiteral("The HTML tags have not been installed yet!\r\n"
                                                          "Do You wish to install the default tags now ?"),
                                           Messages::Yes | Messages::No | Messages::Help, HelpContext::kInstallTags);
        if (answer == Messages::Yes) {
            runCommand(installAllTags);
        } else {
            Messages::show(Messages::Kind::Information,
                           QStringLiteral("To set the default HTML tags later,\r\n"
                                          "use the \"configuration tool\" in the \"help\" menu."),
                           Messages::OK | Messages::Help, HelpContext::kConfiguration);
        }
    }
    runCommand(repairTagTable);
}

Teditform *Tmainform::createDocument()
{
    auto *doc = new Teditform(this);
    // Shown before the area can activate it: activation reads what show sets.
    doc->formShow();
    doc->CMemo1->setReservedShortcuts(m_commands->pageShortcuts());
    connect(doc, &Teditform::itemChanged, this, [this, doc](DocumentItem item) {
        if (doc == activeDocument())
            m_commands->showItem(*doc, item);
    });
    QMdiSubWindow *sub = m_mdi->addSubWindow(doc);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    m_documents->joined(*doc);
    // The window's own menu keeps no keys: they would clash with the
    // program's (Ctrl+W is "Configuration") and with the other windows'.
    for (QAction *action : sub->systemMenu()->actions())
        action->setShortcuts({});
    connect(sub, &QObject::destroyed, this, [this] {
        if (m_mdi->subWindowList().isEmpty())
            showMenus();
    });
    sub->show();
    // Wholly inside the area, one title bar below the page opened before.
    std::optional<QPoint> previous;
    if (m_lastNew)
        previous = m_lastNew->pos();
    sub->setGeometry(newWindowPlace(m_mdi->viewport()->rect(), previous, titleBarHeight(*sub)));
    m_lastNew = sub;
    m_mdi->setActiveSubWindow(sub);
    // The new page takes the keys at once, wherever the window manager put
    // the focus when a dialog before it (FTP, the wizard's) went away.
    activateWindow();
    doc->CMemo1->setFocus();
    return doc;
}

void Tmainform::newDocument()
{
    m_panels[ModifiedPanel]->clear();
    createDocument();
}

bool Tmainform::openDocument(const QString &path)
{
    Teditform *doc = createDocument();
    return runCommand([doc, &path] { doc->page().load(path); });
}

void Tmainform::openDocuments()
{
    Dialogs::FileRequest request;
    request.title = QStringLiteral("Choose file to open..");
    request.filter = QLatin1String(kPageFilter);
    request.startFolder = g_settings.openDirectory;
    request.helpContext = HelpContext::kOpenDialog;
    request.fileName = m_openDialogFileName;
    for (const QString &path : Dialogs::openFiles(request)) {
        m_openDialogFileName = path;
        if (!openDocument(path))
            break; // the files after one that failed are not opened
    }
}

void Tmainform::saveAll()
{
    const int count = m_documents->count();
    for (int i = 0; i < count; ++i) {
        if (Teditform *doc = activeDocument())
            runCommand([doc] { doc->save(); });
        m_mdi->activateNextSubWindow();
    }
}

void Tmainform::closeEvent(QCloseEvent *event)
{
    const QList<Teditform *> open = m_documents->windows();
    for (Teditform *doc : open) {
        if (!doc->formCloseQuery()) {
            event->ignore();
            return;
        }
    }
    for (Teditform *doc : open)
        doc->closeWithoutQuery();
    event->accept();
}

void Tmainform::chooseFont()
{
    if (!runFontWindow(this))
        return;
    if (Teditform *doc = activeDocument())
        doc->CMemo1->setFont(editorFont());
}

void Tmainform::configure()
{
    {
        Tconfigform configform(this);
        configform.exec();
    }
    // The open dialog reads its folder at each use; the pages take the font.
    for (Teditform *doc : m_documents->windows())
        doc->CMemo1->setFont(editorFont());
}

void Tmainform::printerSetup()
{
    Dialogs::printerSetup(printer(), HelpContext::kPrinterSetup);
}

void Tmainform::about()
{
    Tabout about(this);
    about.exec();
}

void Tmainform::framesWizard()
{
    FrameWizardHost host{*m_documents, [this] { return createDocument(); }};
    runFramesWizard(host);
}

void Tmainform::autosaveAll()
{
    for (Teditform *doc : m_documents->windows())
        runCommand([doc] { doc->page().autosavePass(); });
}

Teditform *Tmainform::activeDocument() const
{
    return m_documents->active();
}

void Tmainform::activated(Teditform &window)
{
    showMenus();
    window.formActivate();
    m_commands->showPage(window);
}

void Tmainform::showMenus()
{
    QMenuBar *bar = menuBar();
    bar->clear();
    const std::vector<GroupedMenu> none;
    const bool page = m_documents->active();
    for (QMenu *m : mergeMenus(m_commands->frameMenus(), page ? m_commands->pageMenus() : none))
        bar->addMenu(m);
}

void Tmainform::setPanel(Panel panel, const QString &text)
{
    m_panels[panel]->setText(text);
}

void Tmainform::showDocumentCount(int count)
{
    m_panels[CountPanel]->setText(QStringLiteral("%1 windows").arg(count));
    if (count == 0) {
        m_panels[SizePanel]->clear();
        m_panels[PathPanel]->clear();
        m_panels[ModifiedPanel]->clear();
    }
    action("Frames1")->setEnabled(count == 0);
    m_commands->toolbarUpdate(count);
}

void Tmainform::listWindows()
{
    QMenu *menu = m_commands->windowMenu();
    for (QAction *entry : menu->actions()) {
        if (entry->property("windowEntry").toBool())
            delete entry;
    }
    const QList<QMdiSubWindow *> windows = m_mdi->subWindowList();
    for (int i = 0; i < windows.size(); ++i) {
        QMdiSubWindow *sub = windows[i];
        QAction *entry = menu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(sub->windowTitle()));
        entry->setProperty("windowEntry", true);
        entry->setCheckable(true);
        entry->setChecked(sub == m_mdi->activeSubWindow());
        connect(entry, &QAction::triggered, m_mdi, [this, sub] { m_mdi->setActiveSubWindow(sub); });
    }
}

void Tmainform::flipVisibility(Bar bar)
{
    QWidget *shown = bar == Bar::Toolbar   ? static_cast<QWidget *>(ToolBar1)
                     : bar == Bar::HotKeys ? static_cast<QWidget *>(ScrollBox1)
                                           : statusBar();
    shown->setHidden(!shown->isHidden());
}

void Tmainform::activatePrevious()
{
    m_mdi->activatePreviousSubWindow();
}

void Tmainform::activateNext()
{
    m_mdi->activateNextSubWindow();
}

void Tmainform::tile()
{
    tileStacked(*m_mdi);
}

void Tmainform::cascade()
{
    cascadeAll(*m_mdi);
}

void Tmainform::arrangeIcons()
{
    lineUpIcons(*m_mdi);
}

QPrinter &Tmainform::printer()
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_printer;
}
