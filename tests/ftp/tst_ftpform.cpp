// The FTP window against a real server: what it lists and how, moving
// between folders, its buttons, one upload, one download, and its failures.
#include "ftpaccounts.h"
#include "ftpclient.h"
#include "ftpform.h"
#include "localftpserver.h"
#include "localvsftpd.h"
#include "settings.h"
#include "support/files.h"
#include "support/scripted.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

namespace {

QStringList column(const QTreeWidget *view, int column = 0)
{
    QStringList texts;
    for (int i = 0; i < view->topLevelItemCount(); ++i)
        texts << view->topLevelItem(i)->text(column);
    return texts;
}

void doubleClick(Tftpform &form, const QString &folder)
{
    QTreeWidgetItem *item = form.ListView1->findItems(folder, Qt::MatchExactly).value(0);
    QVERIFY2(item, qPrintable(folder));
    form.ListView1->setCurrentItem(item);
    emit form.ListView1->itemDoubleClicked(item, 0);
}

bool idle(Tftpform &form)
{
    return QTest::qWaitFor([&form] { return !form.FTP1->busy() && form.FTP1->state() == TFTP::Connected; }, 60000)
           && QTest::qWaitFor([&form] { return !form.FTP1->busy(); }, 60000);
}

} // namespace

class TestFtpForm : public QObject
{
    Q_OBJECT

    LocalFtpServer *m_server = nullptr;
    QTemporaryDir m_local;

    void connectTo(const LocalFtpServer &server)
    {
        g_connection = {server.host(), LocalFtpServer::kUser, LocalFtpServer::kPassword};
    }

private slots:
    void initTestCase()
    {
        m_server = new LocalFtpServer;
        m_server->write("index.htm", QByteArray(1024, 'i'));
        m_server->write("style.css", QByteArray(5000, 's'));
        m_server->write("notes.txt", "notes");
        m_server->write("Zeta.html", "z");
        m_server->write("alpha.htm", "a");
        for (const char *skipped : {"logo.gif", "README", "PAGE.HTM"})
            m_server->write(skipped, "skipped");
        m_server->write("sub/inner.htm", "inner");
        m_server->mkdir("assets");
        QVERIFY(m_server->start());
        g_settings.saveDirectory = m_local.path();
    }
    void cleanupTestCase() { delete m_server; }

    void listsFoldersAndPagesAndMovesAround()
    {
        connectTo(*m_server);
        Tftpform form(Tftpform::Mode::Down, QString());
        form.show();
        QVERIFY(idle(form));
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        QCOMPARE(column(form.ListView1), (QStringList{"assets", "sub"})); // no "../" at the top
        QCOMPARE(column(form.ListView2),
                 (QStringList{"alpha.htm", "index.htm", "notes.txt", "style.css", "Zeta.html"}));
        QCOMPARE(column(form.ListView2, 1), (QStringList{"1 bytes", "1024 bytes", "5 bytes", "4 Kb", "1 bytes"}));
        // "Download" follows the selection and the focus; "Upload" never comes.
        QVERIFY(!form.uploadb->isEnabled() && !form.downloadb->isEnabled());
        form.ListView2->setFocus();
        form.ListView2->topLevelItem(1)->setSelected(true);
        QVERIFY(form.downloadb->isEnabled());
        form.ListView1->setFocus();
        QVERIFY(!form.downloadb->isEnabled());
        form.ListView2->clearSelection();
        QVERIFY(!form.downloadb->isEnabled());
        QSignalSpy up(form.FTP1, &TFTP::OnParentDir);
        doubleClick(form, "sub");
        QVERIFY(idle(form));
        QCOMPARE(column(form.ListView1), QStringList{"../"});
        QCOMPARE(column(form.ListView2), QStringList{"inner.htm"});
        // A second double-click while the first still runs does nothing.
        doubleClick(form, "../");
        doubleClick(form, "../");
        QVERIFY(idle(form));
        QCOMPARE(up.size(), 1);
        QCOMPARE(column(form.ListView1).value(0), QString("../"));
        QCOMPARE(column(form.ListView2).size(), 5);
        QVERIFY(form.isVisible());
        QVERIFY(!form.uploadb->isEnabled());
    }

    void downloadsIntoTheChosenFileAndCloses()
    {
        ScriptedDialogs dialogs;
        ScriptedMessages messages;
        const QString target = m_local.filePath("my style.css");
        writeFile(target, "old");
        dialogs.saveAnswers << target;
        connectTo(*m_server);
        Tftpform form(Tftpform::Mode::Down, QString());
        form.show();
        QVERIFY(idle(form));
        form.ListView2->findItems("style.css", Qt::MatchExactly).value(0)->setSelected(true);
        form.downloadb->click();
        QTRY_VERIFY_WITH_TIMEOUT(!form.isVisible(), 30000);
        QCOMPARE(form.result(), int(QDialog::Accepted));
        const Dialogs::FileRequest request = dialogs.requests.value(0);
        QCOMPARE(request.fileName, QString("style.css"));
        QCOMPARE(request.startFolder, m_local.path());
        QVERIFY(form.downloaded());
        QCOMPARE(form.downloadedFile(), target);
        QCOMPARE(readFile(target), QByteArray(5000, 's'));
        QVERIFY(messages.shown.isEmpty());
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }

    // A place that cannot take the file is reported and the user may try again.
    void aLocalFileThatCannotBeWrittenKeepsTheWindowOpen()
    {
        ScriptedDialogs dialogs;
        ScriptedMessages messages;
        dialogs.saveAnswers << "/nonexistent/folder/notes.txt" << QString();
        connectTo(*m_server);
        Tftpform form(Tftpform::Mode::Down, QString());
        form.show();
        QVERIFY(idle(form));
        form.ListView2->findItems("notes.txt", Qt::MatchExactly).value(0)->setSelected(true);
        form.downloadb->click();
        QTRY_COMPARE(messages.texts(), QStringList{"Cannot create file /nonexistent/folder/notes.txt"});
        QVERIFY(form.isVisible() && !form.downloaded());
        QVERIFY(form.downloadb->isEnabled());
        form.downloadb->click(); // cancelled this time
        QVERIFY(form.isVisible());
    }

    void uploadsThePageFileIntoTheCurrentFolder()
    {
        ScriptedHelp help;
        const QString page = m_local.filePath("new page.htm");
        writeFile(page, "<HTML>on disk</HTML>");
        connectTo(*m_server);
        Tftpform form(Tftpform::Mode::Up, page);
        form.show();
        QVERIFY(idle(form));
        QVERIFY(form.uploadb->isEnabled());
        form.ListView2->topLevelItem(0)->setSelected(true);
        QVERIFY(!form.downloadb->isEnabled());
        form.helpb->click();
        QCOMPARE(help.topics, QList<int>{1035});
        doubleClick(form, "assets");
        QVERIFY(idle(form));
        form.uploadb->click();
        QTRY_VERIFY_WITH_TIMEOUT(!form.isVisible(), 30000);
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(m_server->read("assets/new page.htm"), QByteArray("<HTML>on disk</HTML>"));
    }

    void failuresShowTheirMessageAndClose()
    {
        LocalFtpServer closed;
        QVERIFY(closed.start());
        const QString closedHost = closed.host();
        closed.stop();
        for (const auto &[host, message] :
             {std::pair{m_server->host(),
                        "Membername and/or password not valid!\r\nPlease check the entries and try again"},
              {closedHost, "Not able to connect to the specified server!\r\nPlease check the entries and try again"}}) {
            ScriptedMessages messages;
            g_connection = {host, LocalFtpServer::kUser, "Wrong-Pa55word"};
            Tftpform form(Tftpform::Mode::Down, QString());
            form.show();
            QTRY_VERIFY_WITH_TIMEOUT(!form.isVisible(), 30000);
            QCOMPARE(form.result(), int(QDialog::Rejected));
            QCOMPARE(messages.texts(), QStringList{message});
            QVERIFY(!form.windowTitle().contains("Wrong-Pa55word"));
            QVERIFY(!form.StatusLabel->text().contains("Wrong-Pa55word"));
            QCOMPARE(QApplication::overrideCursor(), nullptr);
        }
    }

    // A link that may be no folder is tried as one; when it is none, the
    // window says so and stays. A name that is not UTF-8 shows readably.
    void linksAndNamesOfAnotherServer()
    {
        LocalVsftpd server;
        server.write("caf\xe9.htm", "latin-1");
        server.link("away", "/nowhere");
        QVERIFY(server.start());
        ScriptedMessages messages;
        g_connection = {server.host(), LocalVsftpd::kUser, LocalVsftpd::kPassword};
        Tftpform form(Tftpform::Mode::Down, QString());
        form.show();
        QVERIFY(idle(form));
        QCOMPARE(column(form.ListView2), QStringList{"caf\uFFFD.htm"});
        doubleClick(form, "away");
        QVERIFY(idle(form));
        QCOMPARE(messages.texts(),
                 QStringList{"Not able to change to the specified directory!\r\nPlease try again later"});
        QVERIFY(form.isVisible());
    }

    // While a file moves the progress shows; closing the window ends the
    // transfer there and leaves the old file whole, nothing beside it.
    void closingDuringATransferEndsIt()
    {
        LocalFtpServer stalling;
        stalling.write("big.htm", QByteArray(4 * 1024 * 1024, 'b'));
        QVERIFY(stalling.start({"--stall-after", "500000"}));
        ScriptedDialogs dialogs;
        QTemporaryDir local;
        writeFile(local.filePath("big.htm"), "old copy");
        dialogs.saveAnswers << local.filePath("big.htm");
        connectTo(stalling);
        {
            Tftpform form(Tftpform::Mode::Down, QString());
            form.show();
            QVERIFY(idle(form));
            form.ListView2->topLevelItem(0)->setSelected(true);
            QSignalSpy output(form.FTP1, &TFTP::OnDocOutput);
            form.downloadb->click();
            QVERIFY(output.wait(20000));
            QVERIFY(QApplication::overrideCursor() && form.ProgressBar1->isVisible());
            form.reject();
            QVERIFY(!form.downloaded());
        }
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        QTRY_COMPARE(QDir(local.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"big.htm"});
        QCOMPARE(readFile(local.filePath("big.htm")), QByteArray("old copy"));
    }
};

QTEST_MAIN(TestFtpForm)
#include "tst_ftpform.moc"
