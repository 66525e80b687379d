// What only a real X server shows: the titles as the window manager reads
// them, the keyboard mapping of real key presses, a window that comes up
// while a dialog runs, and where the focus is when a dialog has gone; and
// the real program started as a user would, with its own store. The test
// runs on its own Xvfb.
#include "bytetext.h"
#include "colormemo.h"
#include "ftp/ftpwindowsteps.h"
#include "ftp/localftpserver.h"
#include "ftpaccounts.h"
#include "loadform.h"
#include "nativefiles.h"
#include "support/appfixture.h"
#include "support/wholecaption.h"
#include "support/xsession.h"

#include <QFileDialog>
#include <QPushButton>
#include <QScopeGuard>

namespace {

XSession *g_x = nullptr;

const QString kMainCaption = QStringLiteral("Quendel | version 3.5 ");
const QByteArray kInstalledStore =
    "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Varnholt\\Quendel\\Config]\n\"tagsins\"=dword:00000001\n";

// Runs the program, or 'through' (a shell) with the arguments, on the X
// server with the store.
void startProgram(QProcess &process, const QString &store, const QStringList &arguments, const QString &through = {})
{
    QProcessEnvironment environment = g_x->environment();
    environment.insert("QUENDEL_STORE", store);
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(through.isEmpty() ? qEnvironmentVariable("QUENDEL_BINARY") : through, arguments);
    QVERIFY(process.waitForStarted());
}

void stopProgram(QProcess &process)
{
    QCOMPARE(process.state(), QProcess::Running); // no crash on the way
    process.terminate();
    process.waitForFinished(5000);
}

// Waits for a message box of the program and answers it with its default
// button; its title as the window manager reads it, "" when none comes.
QString answerNextBox(const QProcess &process)
{
    QByteArray box;
    QString title;
    const bool shown = QTest::qWaitFor(
        [&] {
            const QMap<QByteArray, QString> windows = g_x->windows(process.processId());
            for (auto it = windows.begin(); it != windows.end(); ++it) {
                if (it.value() != kMainCaption) {
                    box = it.key();
                    title = it.value();
                    return true;
                }
            }
            return false;
        },
        20000);
    if (!shown)
        return {};
    g_x->run("xdotool", {"windowfocus", "--sync", QString::fromLatin1(box)});
    g_x->run("xdotool", {"key", "Return"});
    const bool answered = QTest::qWaitFor([&] { return !g_x->windows(process.processId()).contains(box); }, 20000);
    return answered ? title : QString();
}

} // namespace

class TestRealDisplay : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void init()
    {
        if (!g_x->running())
            QSKIP(qPrintable(g_x->whyNot()));
        // The pointer off every window (the screen's far corner): keys go
        // to the focus alone.
        g_x->run("xdotool", {"mousemove", "1279", "1023"});
    }

    // A damaged store and a folder for a file: the program reports both,
    // asks to install the tags (the store could not say they are), and goes
    // on with its main window; the store stays as it was, also after Yes.
    // Every title reads exactly as given, nothing added to it, and the
    // main window carries the program's icon.
    void reportsADamagedStoreAndAFolderArgument()
    {
        const QString store = m_dir.filePath("damaged.reg");
        writeFile(store, "\x01\x02 not a store");
        QProcess process;
        startProgram(process, store, {m_dir.path()});
        QStringList boxes;
        for (int i = 0; i < 3; ++i)
            boxes << answerNextBox(process);
        QCOMPARE(boxes, (QStringList{"Error", "Error", "Confirm"}));
        QTRY_COMPARE_WITH_TIMEOUT(g_x->windows(process.processId()).values(), QStringList{kMainCaption}, 20000);
        // The window manager has the program's icon to show.
        const QString mainWindow = QString::fromLatin1(g_x->windows(process.processId()).firstKey());
        QVERIFY(g_x->run("xprop", {"-id", mainWindow, "_NET_WM_ICON"}).contains("Icon (32 x 32)"));
        stopProgram(process);
        QCOMPARE(readFile(store), QByteArray("\x01\x02 not a store"));
    }

    // Through the real keyboard: a page whose name is not UTF-8, named
    // relative to the working directory, opens from the command line and
    // Ctrl+Alt+S saves it under its own name.
    void aLatin1PageFromTheCommandLineIsSavedUnderItsName()
    {
        QVERIFY(QDir(m_dir.path()).mkpath("site"));
        const QString page = m_dir.filePath(ByteText::decode("site/caf\xe9.html"));
        QVERIFY(NativeFiles::write(page, "<P>"));
        const QString store = m_dir.filePath("x.reg");
        writeFile(store, kInstalledStore);
        QProcess process;
        process.setWorkingDirectory(m_dir.filePath("site"));
        // The shell hands the name's own bytes on: QProcess would not.
        startProgram(process, store,
                     {"-c", "exec \"$0\" \"$(printf 'caf\\351.html')\"", qEnvironmentVariable("QUENDEL_BINARY")},
                     "/bin/sh");
        const auto removePage = qScopeGuard([&] { removeContents(m_dir.filePath("site")); });
        QTRY_COMPARE_WITH_TIMEOUT(g_x->windows(process.processId()).values(), QStringList{kMainCaption}, 20000);
        g_x->run("xdotool",
                 {"windowfocus", "--sync", QString::fromLatin1(g_x->windows(process.processId()).firstKey())});
        g_x->run("xdotool", {"type", "x"});
        g_x->run("xdotool", {"key", "ctrl+alt+s"});
        QTRY_COMPARE_WITH_TIMEOUT(NativeFiles::read(page).value_or("unread"), QByteArray("x<P>"), 20000);
        QCOMPARE(nativeNames(m_dir.filePath("site")), QList<QByteArray>{"caf\xe9.html"});
        stopProgram(process);
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
