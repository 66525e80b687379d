#include "frwizard1.h"

#include "helpcontexts.h"
#include "layoutpicture.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include <algorithm>

Tfrwizard1::Tfrwizard1(QWidget *parent)
    : WizardDialog(QStringLiteral("Frames wizard"), HelpContext::kFrameLayouts, parent)
{
    welcome = new QPlainTextEdit(this);
    welcome->setReadOnly(true);
    welcome->setFocusPolicy(Qt::NoFocus);
    welcome->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    welcome->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    welcome->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont bold = welcome->font();
    bold.setBold(true);
    welcome->setFont(bold);
    const QStringList lines = {
        QStringLiteral("  Welcome to the frames wizard."),
        QStringLiteral("The first thing you have to choose is the layout you want to use."),
        QString(),
        QStringLiteral("  Click on the symbol representing the layout you want, or click "),
        QStringLiteral("\"Cancel\" to leave the wizard."),
    };
    welcome->setPlainText(lines.join(QLatin1Char('\n')));
    const QFontMetrics metrics(bold);
    int widest = 0;
    for (const QString &line : lines)
        widest = std::max(widest, metrics.horizontalAdvance(line));
    welcome->setFixedSize(widest + 24, int(lines.size()) * metrics.lineSpacing() + 16);

    auto *row = new QHBoxLayout;
    for (int i = 0; i < 4; ++i) {
        pictures[i] = new LayoutPicture(i + 1, this);
        row->addWidget(pictures[i]);
        connect(pictures[i], &LayoutPicture::clicked, this, [this, i] {
            m_layout = i + 1;
            accept();
        });
    }
    auto *contents = new QVBoxLayout;
    contents->addWidget(welcome);
    contents->addLayout(row);
    setContents(contents, QString());
}
