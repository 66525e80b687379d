#include "replaceform.h"

#include "helpcontexts.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

Treplaceform::Treplaceform(bool selectionOnly, QWidget *parent)
    : SearchDialog(QStringLiteral("Replace"), QStringLiteral("Look for :"), QStringLiteral("Upper/lower case counts"),
                   QStringLiteral("Search only in selected text"), selectionOnly, HelpContext::kReplace, parent)
{
    Label2 = new QLabel(QStringLiteral("Replace with"), this);
    reptext = new QLineEdit(this);
    fields()->addWidget(Label2, 1, 0);
    fields()->addWidget(reptext, 1, 1);
    setTabOrder(crit, reptext);
    setTabOrder(reptext, uplow);
    connect(crit, &QLineEdit::textChanged, this,
            [this](const QString &text) { okbutton->setEnabled(!text.isEmpty()); });
}

void Treplaceform::okbuttonClick()
{
    m_choice.replacement = reptext->text();
    SearchDialog::okbuttonClick();
}
