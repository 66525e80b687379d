#include "bytetext.h"
#include "nativefiles.h"
#include "support/files.h"
#include "support/xsession.h"

#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

// Starts the real program as a user would, with its own store, on an X
// server of the test's own.
class TestEndToEnd : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    // Runs the program, or 'through' (a shell) with the arguments, in the X session.
    void start(QProcess &process, const QString &store, const QStringList &arguments, const XSession &x,
               const QString &through = {})
    {
        QProcessEnvironment environment = x.environment();
        environment.insert("QUENDEL_STORE", store);
        process.setProcessEnvironment(environment);
        process.setProcessChannelMode(QProcess::ForwardedChannels);
        process.start(through.isEmpty() ? qEnvironmentVariable("QUENDEL_BINARY") : through, arguments);
        QVERIFY(process.waitForStarted());
    }

    static const QByteArray kInstalledStore;
    static const QString kMainCaption;

    // Waits for a message box of the program and answers it with its
    // default button; its title, "" when none comes.
    static QString answerNextBox(const XSession &x, const QProcess &process)
    {
        QByteArray box;
        QString title;
        const bool shown = QTest::qWaitFor(
            [&] {
                const QMap<QByteArray, QString> windows = x.windows(process.processId());
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
        x.run("xdotool", {"windowfocus", "--sync", QString::fromLatin1(box)});
        x.run("xdotool", {"key", "Return"});
        const bool answered = QTest::qWaitFor([&] { return !x.windows(process.processId()).contains(box); }, 20000);
        return answered ? title : QString();
    }

    void stop(QProcess &process)
    {
        QCOMPARE(process.state(), QProcess::Running); // no crash on the way
        process.terminate();
        process.waitForFinished(5000);
    }

private slots:
    // Under a real X server and through the real keyboard: a page whose
    // name is not UTF-8, named relative to the working directory, opens
    // from the command line and Ctrl+Alt+S saves it under its own name.
    void aLatin1PageFromTheCommandLineIsSavedUnderItsName()
    {
        XSession x;
        if (!x.running())
            QSKIP(qPrintable(x.whyNot()));
        QVERIFY(QDir(m_dir.path()).mkpath("site"));
        const QString page = m_dir.filePath(ByteText::decode("site/caf\xe9.html"));
        QVERIFY(NativeFiles::write(page, "<P>"));
        const QString store = m_dir.filePath("x.reg");
        writeFile(store, kInstalledStore);
        QProcess process;
        process.setWorkingDirectory(m_dir.filePath("site"));
        // The shell hands the name's own bytes on: QProcess would not.
        start(process, store, {"-c", "exec \"$0\" \"$(printf 'caf\\351.html')\"", qEnvironmentVariable("QUENDEL_BINARY")},
              x, "/bin/sh");
        const auto removePage = qScopeGuard([&] { removeContents(m_dir.filePath("site")); });
        QByteArray windows;
        QTRY_VERIFY_WITH_TIMEOUT(!(windows = x.run("xdotool", {"search", "--onlyvisible", "--name", "Quendel"})).isEmpty(),
                                 20000);
        x.run("xdotool", {"windowfocus", "--sync", QString::fromLatin1(windows.split('\n').first())});
        x.run("xdotool", {"type", "x"});
        x.run("xdotool", {"key", "ctrl+alt+s"});
        QTRY_COMPARE_WITH_TIMEOUT(NativeFiles::read(page).value_or("unread"), QByteArray("x<P>"), 20000);
        QCOMPARE(nativeNames(m_dir.filePath("site")), QList<QByteArray>{"caf\xe9.html"});
        stop(process);
    }

    // A damaged store and a folder for a file, under a real X server: the
    // program reports both, asks to install the tags (the store could not
    // say they are), and goes on with its main window; the store stays as
    // it was, also after Yes.
    void reportsADamagedStoreAndAFolderArgument()
    {
        XSession x;
        if (!x.running())
            QSKIP(qPrintable(x.whyNot()));
        const QString store = m_dir.filePath("damaged.reg");
        writeFile(store, "\x01\x02 not a store");
        QProcess process;
        start(process, store, {m_dir.path()}, x);
        QStringList boxes;
        for (int i = 0; i < 3; ++i)
            boxes << answerNextBox(x, process);
        QCOMPARE(boxes, (QStringList{"Error", "Error", "Confirm"}));
        QTRY_COMPARE_WITH_TIMEOUT(x.windows(process.processId()).values(), QStringList{kMainCaption}, 20000);
        stop(process);
        QCOMPARE(readFile(store), QByteArray("\x01\x02 not a store"));
    }
};

const QString TestEndToEnd::kMainCaption = QStringLiteral("Quendel | version 3.5 ");

const QByteArray TestEndToEnd::kInstalledStore =
    "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Varnholt\\Quendel\\Config]\n"
    "\"tagsins\"=dword:00000001\n";

QTEST_GUILESS_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
