#include "searchdialog.h"

#include "closeboxonly.h"
#include "help.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

SearchDialog::SearchDialog(const QString &caption, const QString &lookFor, const QString &caseText,
                           const QString &selectionText, bool selectionOnly, int helpContext, QWidget *parent)
    : QDialog(parent, kCloseBoxOnly)
{
    setWindowTitle(caption);
    Label1 = new QLabel(lookFor, this);
    crit = new QLineEdit(this);
    uplow = new QCheckBox(caseText, this);
    local = new QCheckBox(selectionText, this);
    local->setEnabled(selectionOnly);
    local->setChecked(selectionOnly);
    okbutton = new QPushButton(QStringLiteral("OK"), this);
    okbutton->setDefault(true);
    okbutton->setEnabled(false);
    cancelbutton = new QPushButton(QStringLiteral("Cancel"), this);
    BitBtn1 = new QPushButton(QStringLiteral("&Help"), this);

    m_fields = new QGridLayout;
    m_fields->addWidget(Label1, 0, 0);
    m_fields->addWidget(crit, 0, 1);
    auto *buttons = new QHBoxLayout;
    for (QPushButton *button : {okbutton, cancelbutton, BitBtn1})
        buttons->addWidget(button);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(m_fields);
    layout->addWidget(uplow);
    layout->addWidget(local);
    layout->addLayout(buttons);
    crit->setMinimumWidth(220);
    crit->setFocus();

    connect(okbutton, &QPushButton::clicked, this, [this] { okbuttonClick(); });
    connect(cancelbutton, &QPushButton::clicked, this, &QDialog::reject);
    connect(BitBtn1, &QPushButton::clicked, this, [helpContext] { Help::showTopic(helpContext); });
}

void SearchDialog::okbuttonClick()
{
    m_choice.text = crit->text();
    m_choice.caseSensitive = uplow->isChecked();
    m_choice.selectionOnly = local->isChecked();
    m_choice.confirmed = true;
    accept();
}
