#include "loadform.h"

#include "apperror.h"
#include "closeboxonly.h"
#include "colormemo.h"
#include "dialogs.h"
#include "documentfile.h"
#include "help.h"
#include "helpcontexts.h"
#include "settings.h"
#include "version.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>
#include <QVBoxLayout>

QString g_lastLoadFile;

Tloadform::Tloadform(QWidget *parent, PageEncoding page, bool pageHoldsOnlyAscii)
    : QDialog(parent, kCloseBoxOnly),
      m_page(page),
      m_pageHoldsOnlyAscii(pageHoldsOnlyAscii),
      m_shownEncoding(page)
{
    memo1 = new TColorMemo(this);
    memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Label1 = new QLabel(QStringLiteral("\"Highlight\" the part you want to insert , and click \"ok\""), this);
    BitBtn3 = new QPushButton(QStringLiteral("Open file"), this);
    helpButton = new QPushButton(QStringLiteral("Help"), this);
    BitBtn2 = new QPushButton(QStringLiteral("Cancel"), this);
    BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), QStringLiteral("Ok"), this);

    // The label has a line of its own, so that the buttons beside it can
    // never squeeze it, whatever the window's width at its first showing.
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton *button : {BitBtn3, helpButton, BitBtn2, BitBtn1})
        buttons->addWidget(button);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(memo1, 1);
    layout->addWidget(Label1);
    layout->addLayout(buttons);
    resize(640, 420);

    memo1->installEventFilter(this);
    memo1->viewport()->installEventFilter(this);
    connect(BitBtn3, &QPushButton::clicked, this, &Tloadform::BitBtn3Click);
    connect(helpButton, &QPushButton::clicked, this, [] { Help::showTopic(HelpContext::kTextFileLoad); });
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    connect(BitBtn1, &QPushButton::clicked, this, &Tloadform::BitBtn1Click);
}

void Tloadform::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void Tloadform::FormShow()
{
    memo1->setModelText(QString());
    setWindowTitle(versionCaption() + QStringLiteral(" | Text file load window"));
    BitBtn1->setEnabled(false);
    if (g_lastLoadFile.isEmpty()) {
        chooseAndLoad();
        return;
    }
    // A remembered file that has gone is said once and forgotten: the window
    // opens empty, and the next time asks again.
    const QString remembered = g_lastLoadFile;
    if (!runCommand([&] { load(remembered); }))
        g_lastLoadFile.clear();
}

void Tloadform::BitBtn3Click()
{
    chooseAndLoad();
}

void Tloadform::chooseAndLoad()
{
    Dialogs::FileRequest request;
    request.title = QStringLiteral("choose text file to insert from");
    request.filter = QStringLiteral("Text files|*.txt|Rich text files|*.rtf|All files|*.*");
    request.startFolder = g_settings.textDirectory;
    request.helpContext = HelpContext::kTextFileLoad;
    const QString path = Dialogs::openFile(request);
    if (path.isEmpty())
        return;
    m_chosenFile = path;
    memo1->setModelText(QString());
    runCommand([&] { load(path); });
}

void Tloadform::load(const QString &path)
{
    const PageText file = decodeInsertion(readWholeFile(path), m_page, m_pageHoldsOnlyAscii);
    memo1->setModelText(file.text);
    m_shownEncoding = file.encoding;
    updateOk();
}

bool Tloadform::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::KeyRelease:
        // After the memo has handled it: the selection is the new one.
        QMetaObject::invokeMethod(this, &Tloadform::updateOk, Qt::QueuedConnection);
        break;
    default: break;
    }
    return QDialog::eventFilter(watched, event);
}

void Tloadform::updateOk()
{
    BitBtn1->setEnabled(memo1->textCursor().hasSelection());
}

void Tloadform::BitBtn1Click()
{
    if (memo1->textCursor().hasSelection())
        m_fragment = memo1->selText();
    accept();
}
