// "Upload file" and "Download and open" from the main window, through the
// connection window and the FTP window, against a real server.
#include "colormemo.h"
#include "conform.h"
#include "ftpaccounts.h"
#include "ftpclient.h"
#include "ftpform.h"
#include "ftpwindowsteps.h"
#include "localftpserver.h"
#include "support/appfixture.h"
#include "support/whenshown.h"

#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>

namespace {

// Counts the FTP windows that come up, and closes each.
class FtpWindowWatch : public QObject
{
public:
    FtpWindowWatch() { qApp->installEventFilter(this); }
    int shown = 0;
    bool eventFilter(QObject *object, QEvent *event) override
    {
        if (event->type() == QEvent::Show && qobject_cast<Tftpform *>(object)) {
            ++shown;
            QMetaObject::invokeMethod(object, "reject", Qt::QueuedConnection);
        }
        return false;
    }
};

} // namespace

class TestFtpCommands : public QObject
{
    Q_OBJECT

private slots:
    void uploadSendsThePageAsSaved()
    {
        AppFixture app;
        Tmainform &main = app.start();
        LocalFtpServer server;
        server.write("old.htm", "old");
        QVERIFY(server.start());
        addAccount({server.host(), LocalFtpServer::kUser, LocalFtpServer::kPassword, "local"});
        Teditform *page = app.openPage("site/index.htm", "<HTML>as saved</HTML>");
        page->CMemo1->setSelText("typed, not saved");
        app.messages.answers << Messages::No;
        main.action("FTP1")->trigger();
        QCOMPARE(app.messages.texts(), QStringList{"The file has been changed since the last save !\r\n"
                                                   "Do you wish to continue ?\r\n"
                                                   "Click \"No\" to go back and save it."});
        QVERIFY(!QFile::exists(server.path("index.htm")));
        app.messages.answers << Messages::Yes;
        connectWithFirstAccount();
        whenListed([](Tftpform *form) { return form->uploadb; });
        main.action("ToolButton30")->trigger();
        QCOMPARE(server.read("index.htm"), QByteArray("<HTML>as saved</HTML>"));
        QCOMPARE(app.messages.shown.size(), 2);
        // Cancelling the connection window afterwards shows no FTP window.
        FtpWindowWatch watch;
        whenShown<Tconform>([](Tconform *form) { form->cancelb->click(); });
        main.action("Downloadandopen1")->trigger();
        QCOMPARE(watch.shown, 0);
        QCOMPARE(app.windows(), 1);
    }

    void anUnnamedPageIsNotUploaded()
    {
        AppFixture app;
        Tmainform &main = app.start();
        main.newDocument();
        FtpWindowWatch watch;
        main.action("ToolButton30")->trigger();
        QCOMPARE(app.messages.texts(), QStringList{"The file has no name, please save it first !"});
        QCOMPARE(watch.shown, 0);
    }

    void downloadOpensTheFileInANewWindow_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::newRow("whole") << QStringList{};
        QTest::newRow("dropped") << QStringList{"--drop-after", "500000"};
    }
    // A whole download opens in a new window; a dropped one opens nothing
    // and leaves the old copy.
    void downloadOpensTheFileInANewWindow()
    {
        QFETCH(QStringList, options);
        AppFixture app;
        Tmainform &main = app.start();
        LocalFtpServer server;
        server.write("big.css", QByteArray(1024 * 1024, 'x') + "\n");
        QVERIFY(server.start(options));
        addAccount({server.host(), LocalFtpServer::kUser, LocalFtpServer::kPassword, "local"});
        const QString target = app.writeFile("my copy.css", "the old copy");
        app.dialogs.saveAnswers << target;
        connectWithFirstAccount();
        whenListed([](Tftpform *form) { return form->downloadb; }, "big.css");
        main.action(options.isEmpty() ? "ToolButton29" : "Downloadandopen1")->trigger();
        if (options.isEmpty()) {
            QCOMPARE(app.windows(), 1);
            QCOMPARE(app.active()->page().fileName(), target);
            QVERIFY(app.active()->CMemo1->text().endsWith("xx\r\n"));
            QVERIFY(app.messages.shown.isEmpty());
        } else {
            QCOMPARE(app.messages.texts(),
                     QStringList{"Unable to retrieve file!\r\nPlease check the entries and try again"});
            QCOMPARE(app.windows(), 0);
            QCOMPARE(app.readFile("my copy.css"), QByteArray("the old copy"));
        }
    }
};

QTEST_MAIN(TestFtpCommands)
#include "tst_ftpcommands.moc"
