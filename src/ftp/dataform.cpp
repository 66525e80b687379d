#include "dataform.h"

#include "closeboxonly.h"
#include "help.h"
#include "helpcontexts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

Tdataform::Tdataform(const FtpAccount &start, QWidget *parent) : QDialog(parent, kCloseBoxOnly)
{
    setWindowTitle(QStringLiteral("Quendel FTP"));
    Label1 = new QLabel(QStringLiteral("Enter the name you want to call this connection"), this);
    nickedit = new QLineEdit(start.nick, this);
    Label2 =
        new QLabel(QStringLiteral("Enter \"hostname\" (usually begins with \"ftp.\" and ends with \".com\""), this);
    hostedit = new QLineEdit(start.host, this);
    Label3 = new QLabel(QStringLiteral("Enter your membername isued from the space provider"), this);
    nameedit = new QLineEdit(start.user, this);
    Label4 = new QLabel(QStringLiteral("Enter your password "), this);
    passedit = new QLineEdit(start.password, this);
    passedit->setEchoMode(QLineEdit::Password);
    passedit->setStyleSheet(QStringLiteral("lineedit-password-character: 42;")); // "*"
    okb = new QPushButton(QStringLiteral("Ok"), this);
    okb->setDefault(true);
    cancelb = new QPushButton(QStringLiteral("Cancel"), this);
    helpb = new QPushButton(QStringLiteral("&Help"), this);
    helpb->setAutoDefault(false);
    cancelb->setAutoDefault(false);

    auto *layout = new QVBoxLayout(this);
    const std::pair<QLabel *, QLineEdit *> fields[] = {
        {Label1, nickedit}, {Label2, hostedit}, {Label3, nameedit}, {Label4, passedit}};
    for (const auto &[label, edit] : fields) {
        label->setBuddy(edit);
        layout->addWidget(label);
        layout->addWidget(edit);
    }
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okb);
    buttons->addWidget(cancelb);
    buttons->addWidget(helpb);
    layout->addLayout(buttons);
    setMinimumWidth(380);

    QWidget *order[] = {hostedit, nameedit, passedit, okb, cancelb, nickedit, helpb};
    for (size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);
    nickedit->setFocus();

    connect(okb, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelb, &QPushButton::clicked, this, &QDialog::reject);
    connect(helpb, &QPushButton::clicked, this, [] { Help::showTopic(HelpContext::kFtp); });
}

FtpAccount Tdataform::account() const
{
    return {hostedit->text(), nameedit->text(), passedit->text(), nickedit->text()};
}
