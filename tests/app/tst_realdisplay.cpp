// What only a real X server shows: the titles as the window manager reads
// them, the keyboard mapping of real key presses, a window that comes up
// while a dialog runs, and where the focus is when a dialog has gone. The
// test runs on its own Xvfb.
#include "colormemo.h"
#include "ftp/ftpwindowsteps.h"
#include "ftp/localftpserver.h"
#include "ftpaccounts.h"
#include "loadform.h"
#include "support/appfixture.h"
#include "support/wholecaption.h"
#include "support/xsession.h"

#include <QFileDialog>
#include <QPushButton>

namespace {

XSession *g_x = nullptr;

} // namespace

class TestRealDisplay : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        if (!g_x->running())
            QSKIP(qPrintable(g_x->whyNot()));
        // The pointer off every window (the screen's far corner): keys go
        // to the focus alone.
        g_x->run("xdotool", {"mousemove", "1279", "1023"});
    }

    // Every title reads exactly as given, nothing added to it.
    void titlesAsTheWindowManagerReadsThem()
    {
        QTemporaryDir dir;
        QProcess program;
        QProcessEnvironment environment = g_x->environment();
        environment.insert("QUENDEL_STORE", dir.filePath("new.reg")); // asks to install the tags
        program.setProcessEnvironment(environment);
        program.start(qEnvironmentVariable("QUENDEL_BINARY"), {});
        QVERIFY(program.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(g_x->windows(program.processId()).size() == 2, 20000);
        QStringList titles = g_x->windows(program.processId()).values();
        titles.sort();
        QCOMPARE(titles, (QStringList{"Confirm", "Quendel | version 3.5 "}));
        program.kill();
        program.waitForFinished();
    }

    // Shift with the key left of Z on a 102-key keyboard, and Shift with
    // period on a US one, give "&gt;"; the same keys without Shift (with it
    // for the US comma) give "&lt;".
    void angleBracketsThroughTheRealKeyMapping()
    {
        AppFixture app;
        app.start();
        TColorMemo *memo = app.openPage("keys.htm", "")->CMemo1;
        QVERIFY(QTest::qWaitForWindowActive(app.main.get()));
        g_x->run("setxkbmap", {"-model", "pc105", "-layout", "de"});
        g_x->run("xdotool", {"key", "ctrl+shift+less", "ctrl+less"});
        QTRY_COMPARE(memo->text(), QString("&gt;&lt;"));
        g_x->run("setxkbmap", {"-model", "pc104", "-layout", "us"});
        g_x->run("xdotool", {"key", "ctrl+shift+period", "ctrl+shift+comma"});
        QTRY_COMPARE(memo->text(), QString("&gt;&lt;&gt;&lt;"));
    }

    // At its first showing the text file load window asks for the file in
    // the real open dialog while it comes up; its label shows whole all
    // the same.
    void loadWindowWholeAfterTheRealOpenDialog()
    {
        AppFixture app;
        app.start();
        const QString notes = app.writeFile("notes.txt", "text\n");
        QVERIFY(app.openPage("page.htm", ""));
        Dialogs::setProvider(nullptr);
        std::function<void()> answerOpenDialog = [&] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            if (!dialog) {
                QTimer::singleShot(10, answerOpenDialog);
                return;
            }
            dialog->selectFile(notes);
            QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
        };
        QTimer::singleShot(10, answerOpenDialog);
        QStringList cut{"not shown"};
        whenShown<Tloadform>([&](Tloadform *load) {
            cut = cutCaptions(*load);
            load->BitBtn2->click();
        });
        app.item("Insertfromtextfile1")->trigger();
        Dialogs::setProvider(&app.dialogs);
        QCOMPARE(cut, QStringList());
    }

    // The page that "Download and open" opens takes the keys at once: with
    // no window manager, where the focus goes nowhere when the FTP window
    // closes, and with one that gives the focus to the window under the
    // pointer, as it is after a click in the FTP window.
    void downloadedPageTakesTheKeys_data()
    {
        QTest::addColumn<bool>("windowManager");
        QTest::newRow("no window manager") << false;
        QTest::newRow("window manager") << true;
    }
    void downloadedPageTakesTheKeys()
    {
        QFETCH(bool, windowManager);
        if (windowManager)
            QVERIFY(g_x->startWindowManager());
        AppFixture app;
        Tmainform &main = app.start();
        if (windowManager) {
            const QPoint middle = main.frameGeometry().center();
            g_x->run("xdotool", {"mousemove", QString::number(middle.x()), QString::number(middle.y())});
        }
        LocalFtpServer server;
        server.write("page.htm", "<P></P>");
        QVERIFY(server.start());
        addAccount({server.host(), LocalFtpServer::kUser, LocalFtpServer::kPassword, "local"});
        app.dialogs.saveAnswers << app.path("page.htm");
        connectWithFirstAccount();
        whenListed([](Tftpform *form) { return form->downloadb; }, "page.htm");
        main.action("Downloadandopen1")->trigger();
        QCOMPARE(app.windows(), 1);
        g_x->run("xdotool", {"type", "typed"});
        QTRY_COMPARE(app.active()->CMemo1->text(), QString("typed<P></P>"));
        g_x->stopWindowManager();
    }
};

int main(int argc, char *argv[])
{
    XSession x;
    g_x = &x;
    if (x.running()) {
        qputenv("DISPLAY", x.display().toLocal8Bit());
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
    QApplication app(argc, argv);
    TestRealDisplay test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_realdisplay.moc"
