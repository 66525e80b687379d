#include "aboutform.h"

#include "fittingfont.h"
#include "sites.h"

#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>
#include <QStyle>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>

Tabout::Tabout(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle(QStringLiteral("About the editor"));
    Label1 = new QLabel(QStringLiteral("REMEMBER !"), this);
    Label2 = new QLabel(QStringLiteral("War doesn't determine who's right, war determines who's left !"), this);
    for (QLabel *label : {Label1, Label2}) {
        label->setAlignment(Qt::AlignCenter);
        label->setWordWrap(true);
    }
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);

    abmemo = new QTextEdit(this);
    abmemo->setReadOnly(true);
    abmemo->setFrameShape(QFrame::NoFrame);
    abmemo->setFocusPolicy(Qt::NoFocus);
    abmemo->viewport()->setCursor(Qt::ForbiddenCursor);
    abmemo->viewport()->setAutoFillBackground(false); // the dialog's face shows through
    abmemo->setTextInteractionFlags(Qt::NoTextInteraction);
    abmemo->document()->setDefaultTextOption(QTextOption(Qt::AlignHCenter));
    // Each line is shown as one line: in a font small enough for the
    // widest to fit the box, should the system's font be wider.
    abmemo->setLineWrapMode(QTextEdit::NoWrap);
    abmemo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    abmemo->setPlainText(lines().join(QLatin1Char('\n')));
    // Should the text change anyway, the focus goes back to "Close".
    connect(abmemo, &QTextEdit::textChanged, this, [this] { BitBtn1->setFocus(); });

    BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogCloseButton), QStringLiteral("Close"), this);
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(Label2);
    layout->addWidget(abmemo, 1);
    layout->addWidget(BitBtn1, 0, Qt::AlignHCenter);
    setFixedSize(kWidth, kHeight);

    const QMargins margins = layout->contentsMargins();
    const int textWidth = kWidth - margins.left() - margins.right() - 2 * int(abmemo->document()->documentMargin())
                          - abmemo->cursorWidth();
    abmemo->setFont(fontFitting(abmemo->font(), lines(), textWidth, 6));
}

QStringList Tabout::lines()
{
    return {
        QString(),
        QString(),
        QStringLiteral("Thank You for trying out the Quendel editor"),
        QStringLiteral("written by Varnholt"),
        QString(),
        QStringLiteral("This version has a lot of features for beginners build in, but it still allows "),
        QStringLiteral("changes to be made on the syntax."),
        QString(),
        QStringLiteral("The next improvements planned include a CSS-file generator and more help "),
        QStringLiteral("topics (plus direct links to the \"active\" topic)."),
        QString(),
        QStringLiteral("You will find more information, support files to download, an on-line version "),
        QStringLiteral("of the help system and the latest version of this program at"),
        productDownloadAddress(),
    };
}

void Tabout::showEvent(QShowEvent *event)
{
    BitBtn1->setFocus();
    QDialog::showEvent(event);
}

void Tabout::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    if (event->size() != QSize(kWidth, kHeight))
        resize(kWidth, kHeight);
}
