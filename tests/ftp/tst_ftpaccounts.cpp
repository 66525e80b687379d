// The connection and account windows, and what they store.
#include "conform.h"
#include "dataform.h"
#include "ftpaccounts.h"
#include "settings.h"
#include "settingsstore.h"
#include "support/scripted.h"
#include "support/storedvalue.h"
#include "support/whenshown.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {

FtpAccount sample(int n)
{
    const QString i = QString::number(n);
    return {"ftp.host" + i + ".com", "member" + i, "pass" + i, "nick" + i};
}

// Fills the account window that "New" or "Edit" opens and answers it.
void answerAccountWindow(const FtpAccount &fields, bool ok, FtpAccount *shown = nullptr)
{
    whenShown<Tdataform>([=](Tdataform *form) {
        if (shown)
            *shown = form->account();
        form->nickedit->setText(fields.nick);
        form->hostedit->setText(fields.host);
        form->nameedit->setText(fields.user);
        form->passedit->setText(fields.password);
        (ok ? form->okb : form->cancelb)->click();
    });
}

QStringList listed(const Tconform &form)
{
    QStringList nicks;
    for (int i = 0; i < form.ListBox1->count(); ++i)
        nicks << form.ListBox1->item(i)->text();
    return nicks;
}

} // namespace

class TestFtpAccounts : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QFile::remove(RegKey::storePath());
        g_settings = Settings();
        g_accounts = {};
        g_connection = {};
    }

    void fromNoAccountToFive()
    {
        ScriptedHelp help;
        Tconform form;
        form.show();
        QVERIFY(listed(form).isEmpty());
        QVERIFY(!form.connectb->isEnabled() && !form.editb->isEnabled() && form.newb->isEnabled());
        QCOMPARE(form.focusWidget(), form.newb);
        QTest::keyClick(&form, Qt::Key_Return); // nothing selected: nothing happens
        QVERIFY(form.isVisible());
        form.helpb->click();
        QCOMPARE(help.topics, QList<int>{1035});
        // A cancelled account window changes nothing.
        answerAccountWindow(sample(9), false);
        form.newb->click();
        QVERIFY(listed(form).isEmpty());
        QCOMPARE(g_settings.accountCount, 0);
        for (int n = 1; n <= 5; ++n) {
            FtpAccount shown = sample(0);
            answerAccountWindow(sample(n), true, &shown);
            form.newb->click();
            QCOMPARE(shown.nick + shown.host + shown.user + shown.password, QString()); // opened empty
        }
        QCOMPARE(listed(form), (QStringList{"nick1", "nick2", "nick3", "nick4", "nick5"}));
        QVERIFY(!form.newb->isEnabled()); // at once, in the same showing
        RegKey key;
        QVERIFY(key.openRead());
        QCOMPARE(key.readInteger("VAR10"), 5);
        QCOMPARE(storedValue("HOST3") + storedValue("NAME3") + storedValue("PASS3") + storedValue("NICK3"),
                 QString("ftp.host3.commember3pass3nick3"));
        // The next showing lists them and keeps "New" off.
        Tconform again;
        again.show();
        QCOMPARE(listed(again).size(), 5);
        QVERIFY(!again.newb->isEnabled() && !again.connectb->isEnabled());
    }

    void editKeepsTheNumberAndTheCount()
    {
        for (int n = 1; n <= 3; ++n) {
            addAccount(sample(n));
            trustCertificate(n, QByteArray(32, char(n)));
            markConnectedEncrypted(n);
        }
        Tconform form;
        form.show();
        form.ListBox1->item(1)->setSelected(true);
        QVERIFY(form.connectb->isEnabled() && form.editb->isEnabled());
        FtpAccount shown;
        answerAccountWindow({"ftp.new.org:2121", "newname", "newpass", "renamed"}, true, &shown);
        form.editb->click();
        QCOMPARE(shown.nick + " " + shown.host + " " + shown.user + " " + shown.password,
                 QString("nick2 ftp.host2.com member2 pass2"));
        QCOMPARE(listed(form), (QStringList{"nick1", "renamed", "nick3"}));
        QVERIFY(form.ListBox1->item(1)->isSelected());
        QCOMPARE(storedValue("HOST2") + " " + storedValue("NICK2") + " " + storedValue("PASS2"),
                 QString("ftp.new.org:2121 renamed newpass"));
        QCOMPARE(storedValue("NICK1"), QString("nick1"));
        QCOMPARE(g_settings.accountCount, 3);
        // A new host forgets what the account knew of the old one.
        QVERIFY(trustedCertificate(2).isEmpty() && !connectedEncrypted(2));
        QCOMPARE(trustedCertificate(1), QByteArray(32, char(1)));
        QVERIFY(connectedEncrypted(1));
        // "Connect" hands over the chosen account; Enter presses it.
        form.ListBox1->item(1)->setSelected(true);
        QTest::keyClick(&form, Qt::Key_Return);
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(g_connection.host + " " + g_connection.user + " " + g_connection.password,
                 QString("ftp.new.org:2121 newname newpass"));
        QCOMPARE(g_connection.account, 2);
    }

    // A store that cannot be written loses nothing of this run.
    void aStoreThatCannotBeWrittenIsSilent()
    {
        QTemporaryDir dir;
        const QByteArray before = qgetenv("QUENDEL_STORE");
        qputenv("QUENDEL_STORE", dir.path().toLocal8Bit()); // a folder, not a file
        ScriptedMessages messages;
        QCOMPARE(addAccount(sample(1)), 1);
        QCOMPARE(account(1).nick, QString("nick1"));
        QVERIFY(messages.shown.isEmpty());
        qputenv("QUENDEL_STORE", before);
    }
};

QTEST_MAIN(TestFtpAccounts)
#include "tst_ftpaccounts.moc"
