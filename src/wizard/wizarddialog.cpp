#include "wizarddialog.h"

#include "closeboxonly.h"
#include "help.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

WizardDialog::WizardDialog(const QString &caption, int helpContext, QWidget *parent)
    : QDialog(parent, kCloseBoxOnly),
      m_helpContext(helpContext)
{
    setWindowTitle(caption);
}

void WizardDialog::setContents(QLayout *contents, const QString &okText)
{
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    cancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    cancelButton->setAutoDefault(false);
    buttons->addWidget(cancelButton);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    if (!okText.isEmpty()) {
        okButton = new QPushButton(okText, this);
        okButton->setDefault(true);
        buttons->addWidget(okButton);
        connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    }
    helpButton = new QPushButton(QStringLiteral("Help"), this);
    helpButton->setAutoDefault(false);
    buttons->addWidget(helpButton);
    connect(helpButton, &QPushButton::clicked, this, [this] { Help::showTopic(m_helpContext); });

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(contents);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void WizardDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}
