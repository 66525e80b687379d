#include "configform.h"

#include "closeboxonly.h"
#include "configchoices.h"
#include "directoryedit.h"
#include "help.h"
#include "helpcontexts.h"
#include "settagsform.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

Tconfigform::Tconfigform(QWidget *parent) : QDialog(parent, kCloseBoxOnly)
{
    setFixedSize(276, 337);
    Label3 = new QLabel(QStringLiteral("Linebreak after last line"), this);
    Panel3 = new QGroupBox(this);
    ly = new QRadioButton(QStringLiteral("Yes"), Panel3);
    ln = new QRadioButton(QStringLiteral("No"), Panel3);
    auto *radios = new QHBoxLayout(Panel3);
    radios->addWidget(ly);
    radios->addWidget(ln);
    Label4 = new QLabel(QStringLiteral("Starting directory(open)"), this);
    DirectoryEdit1 = new DirectoryEdit(Label4->text(), this);
    Label7 = new QLabel(QStringLiteral("Starting directory(save)"), this);
    DirectoryEdit2 = new DirectoryEdit(Label7->text(), this);
    Label8 = new QLabel(QStringLiteral("Starting directory(text)"), this);
    DirectoryEdit3 = new DirectoryEdit(Label8->text(), this);
    BitBtn2 = new QPushButton(QStringLiteral("HTML tags/commands settings..."), this);
    default1 = new QCheckBox(QStringLiteral("Save as default settings"), this);
    BitBtn4 = new QPushButton(QStringLiteral("&Help"), this);
    BitBtn3 = new QPushButton(QStringLiteral("Cancel"), this);
    BitBtn1 = new QPushButton(QStringLiteral("Ok"), this);
    BitBtn1->setDefault(true);

    auto *layout = new QVBoxLayout(this);
    for (QWidget *widget : std::initializer_list<QWidget *>{Label3, Panel3, Label4, DirectoryEdit1, Label7,
                                                            DirectoryEdit2, Label8, DirectoryEdit3, BitBtn2, default1})
        layout->addWidget(widget);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(BitBtn4);
    buttons->addWidget(BitBtn3);
    buttons->addWidget(BitBtn1);
    layout->addLayout(buttons);

    connect(BitBtn2, &QPushButton::clicked, this, &Tconfigform::BitBtn2Click);
    connect(BitBtn4, &QPushButton::clicked, this, [] { Help::showTopic(HelpContext::kConfiguration); });
    connect(BitBtn3, &QPushButton::clicked, this, &QDialog::reject);
    connect(BitBtn1, &QPushButton::clicked, this, &Tconfigform::BitBtn1Click);
    FormCreate();
}

void Tconfigform::FormCreate()
{
    setWindowTitle(QStringLiteral("Configuration"));
    const ConfigChoices choices = currentConfigChoices();
    DirectoryEdit1->setText(choices.openDirectory);
    DirectoryEdit2->setText(choices.saveDirectory);
    DirectoryEdit3->setText(choices.textDirectory);
    default1->setChecked(false);
    (choices.lineBreakAfterLastLine ? ly : ln)->setChecked(true);
}

void Tconfigform::BitBtn2Click()
{
    Tsettagsform tags(this);
    tags.exec();
}

void Tconfigform::BitBtn1Click()
{
    ConfigChoices choices;
    choices.lineBreakAfterLastLine = ly->isChecked();
    choices.openDirectory = DirectoryEdit1->text();
    choices.saveDirectory = DirectoryEdit2->text();
    choices.textDirectory = DirectoryEdit3->text();
    choices.saveAsDefault = default1->isChecked();
    if (applyConfigChoices(choices))
        accept();
}
