#include "conform.h"

#include "closeboxonly.h"
#include "dataform.h"
#include "ftpaccounts.h"
#include "help.h"
#include "helpcontexts.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>

Tconform::Tconform(QWidget *parent) : QDialog(parent, kCloseBoxOnly)
{
    setWindowTitle(QStringLiteral("Quendel FTP"));
    Label1 = new QLabel(QStringLiteral("Existing connections:"), this);
    ListBox1 = new QListWidget(this);
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    Label1->setBuddy(ListBox1);
    connectb = new QPushButton(QStringLiteral("Connect"), this);
    newb = new QPushButton(QStringLiteral("New       "), this);
    editb = new QPushButton(QStringLiteral("Edit        "), this);
    cancelb = new QPushButton(QStringLiteral("Cancel   "), this);
    helpb = new QPushButton(QStringLiteral("&Help"), this);
    // Enter presses "Connect" only, and only while it can be used.
    for (QPushButton *button : {connectb, newb, editb, cancelb, helpb})
        button->setAutoDefault(false);
    connectb->setDefault(true);

    auto *grid = new QGridLayout(this);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(ListBox1, 1, 0, 6, 1);
    int row = 1;
    for (QPushButton *button : {connectb, newb, editb, cancelb, helpb})
        grid->addWidget(button, row++, 1);
    grid->setRowStretch(row, 1);
    resize(360, 230);

    connect(ListBox1, &QListWidget::itemSelectionChanged, this, &Tconform::ListBox1Click);
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, &Tconform::connectbClick);
    connect(connectb, &QPushButton::clicked, this, &Tconform::connectbClick);
    connect(newb, &QPushButton::clicked, this, &Tconform::newbClick);
    connect(editb, &QPushButton::clicked, this, &Tconform::editbClick);
    connect(cancelb, &QPushButton::clicked, this, &QDialog::reject);
    connect(helpb, &QPushButton::clicked, this, [] { Help::showTopic(HelpContext::kFtp); });
}

void Tconform::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void Tconform::FormShow()
{
    ListBox1->clear();
    const int count = accountCount();
    newb->setEnabled(count < 5);
    for (int i = 1; i <= count; ++i)
        ListBox1->addItem(account(i).nick);
    ListBox1Click();
    if (count == 0)
        newb->setFocus();
}

void Tconform::ListBox1Click()
{
    const bool selected = selectedAccount() > 0;
    connectb->setEnabled(selected);
    editb->setEnabled(selected);
}

int Tconform::selectedAccount() const
{
    const QList<QListWidgetItem *> selected = ListBox1->selectedItems();
    return selected.isEmpty() ? 0 : ListBox1->row(selected.first()) + 1;
}

void Tconform::newbClick()
{
    if (accountCount() >= 5)
        return;
    Tdataform dataform(FtpAccount{}, this);
    if (dataform.exec() != QDialog::Accepted)
        return;
    const int number = addAccount(dataform.account());
    ListBox1->addItem(account(number).nick);
    newb->setEnabled(accountCount() < 5);
}

void Tconform::editbClick()
{
    const int number = selectedAccount();
    if (number == 0)
        return;
    Tdataform dataform(account(number), this);
    if (dataform.exec() != QDialog::Accepted)
        return;
    replaceAccount(number, dataform.account());
    ListBox1->item(number - 1)->setText(account(number).nick);
    ListBox1->item(number - 1)->setSelected(true);
}

void Tconform::connectbClick()
{
    const int number = selectedAccount();
    if (number == 0)
        return;
    const FtpAccount &chosen = account(number);
    g_connection = {chosen.host, chosen.user, chosen.password, number};
    accept();
}
