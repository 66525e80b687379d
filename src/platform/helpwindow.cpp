#include "helpwindow.h"

#include "desktop.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

const QString kScheme = QStringLiteral("help");

// Pages are addressed as "help:contents" and "help:1021"; the browser asks
// the help file for them, and keeps its history of them.
class HelpBrowser : public QTextBrowser
{
public:
    HelpBrowser(const HelpFile &file, QWidget *parent) : QTextBrowser(parent), m_file(file) {}

    QVariant loadResource(int type, const QUrl &name) override
    {
        if (type != QTextDocument::HtmlResource || name.scheme() != kScheme)
            return QTextBrowser::loadResource(type, name);
        if (name.path() == QLatin1String("contents"))
            return m_file.contentsPage();
        return m_file.topicPage(name.path().toInt());
    }

private:
    const HelpFile &m_file;
};

} // namespace

HelpWindow::HelpWindow(HelpFile file, QWidget *parent) : QWidget(parent, Qt::Window), m_file(std::move(file))
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Quendel help"));
    m_browser = new HelpBrowser(m_file, this);
    m_browser->setOpenLinks(false);
    contentsButton = new QPushButton(QStringLiteral("&Contents"), this);
    backButton = new QPushButton(QStringLiteral("&Back"), this);
    forwardButton = new QPushButton(QStringLiteral("&Forward"), this);
    findField = new QLineEdit(this);
    findField->setPlaceholderText(QStringLiteral("Find in this page"));
    findField->setClearButtonEnabled(true);
    findButton = new QPushButton(QStringLiteral("Find &next"), this);
    findNote = new QLabel(this);
    backButton->setEnabled(false);
    forwardButton->setEnabled(false);

    auto *bar = new QHBoxLayout;
    for (QWidget *widget : std::initializer_list<QWidget *>{contentsButton, backButton, forwardButton})
        bar->addWidget(widget);
    bar->addStretch();
    bar->addWidget(findNote);
    bar->addWidget(findField);
    bar->addWidget(findButton);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(m_browser);
    resize(680, 520);

    connect(contentsButton, &QPushButton::clicked, this, &HelpWindow::showContents);
    connect(backButton, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(forwardButton, &QPushButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_browser, &QTextBrowser::backwardAvailable, backButton, &QPushButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forwardButton, &QPushButton::setEnabled);
    connect(m_browser, &QTextBrowser::anchorClicked, this, &HelpWindow::followLink);
    connect(findField, &QLineEdit::returnPressed, this, &HelpWindow::findNext);
    connect(findField, &QLineEdit::textChanged, findNote, &QLabel::clear);
    connect(findButton, &QPushButton::clicked, this, &HelpWindow::findNext);
    connect(new QShortcut(QKeySequence::Find, this), &QShortcut::activated, this, [this] {
        findField->setFocus();
        findField->selectAll();
    });
    connect(new QShortcut(QKeySequence::FindNext, this), &QShortcut::activated, this, &HelpWindow::findNext);
}

void HelpWindow::showContents()
{
    open(QStringLiteral("contents"));
}

void HelpWindow::showTopic(int context)
{
    open(QString::number(context));
}

void HelpWindow::open(const QString &page)
{
    QUrl url;
    url.setScheme(kScheme);
    url.setPath(page);
    m_browser->setSource(url);
}

void HelpWindow::followLink(const QUrl &url)
{
    // Links between topics are written "#1021" (or "#contents") in the file.
    if (url.scheme() == kScheme || url.scheme().isEmpty())
        open(url.fragment().isEmpty() ? url.path() : url.fragment());
    else
        Desktop::openAddress(url.toString());
}

void HelpWindow::findNext()
{
    const QString text = findField->text();
    if (text.isEmpty())
        return;
    // From the end of the page the search starts again at the top.
    const bool found = m_browser->find(text) || (m_browser->moveCursor(QTextCursor::Start), m_browser->find(text));
    findNote->setText(found ? QString() : QStringLiteral("Not found"));
}

void HelpWindow::present()
{
    // The active modal window may be this one, already above a dialog.
    const bool overModal = QApplication::activeModalWidget() != nullptr;
    if (isVisible() && overModal != (windowModality() == Qt::ApplicationModal))
        hide(); // a window's modality changes only while it is hidden
    setWindowModality(overModal ? Qt::ApplicationModal : Qt::NonModal);
    show();
    raise();
    activateWindow();
}
