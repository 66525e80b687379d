#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// Starts the real program as a user would, with its own store.
class TestEndToEnd : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    void write(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QByteArray read(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    void start(QProcess &process, const QString &store, const QStringList &arguments)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QUENDEL_STORE", store);
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        process.setProcessEnvironment(environment);
        process.setProcessChannelMode(QProcess::ForwardedChannels);
        process.start(qEnvironmentVariable("QUENDEL_BINARY"), arguments);
        QVERIFY(process.waitForStarted());
    }

    void stop(QProcess &process)
    {
        QCOMPARE(process.state(), QProcess::Running); // no crash on the way
        process.terminate();
        process.waitForFinished(5000);
    }

private slots:
    // With the tags installed, start-up opens the file and repairs the
    // table: slots 25 and 39 are written back at every start.
    void startsWithAFileArgument()
    {
        const QString store = m_dir.filePath("installed.reg");
        write(store, "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Varnholt\\Quendel\\Config]\n"
                     "\"tagsins\"=dword:00000001\n\"VAR5\"=\"DejaVu Sans Mono\"\n");
        const QString page = m_dir.filePath("index.htm");
        write(page, "<HTML>\n</HTML>\n");

        QProcess process;
        start(process, store, {page, m_dir.filePath("ignored.htm")});
        QTRY_VERIFY_WITH_TIMEOUT(read(store).contains("\"TAG39\"="), 20000);
        QVERIFY(read(store).contains("\"VAR5\"=\"DejaVu Sans Mono\""));
        QVERIFY(read(store).contains("\"TAG1\"=\"<BODY"));
        stop(process);
        QCOMPARE(read(page), QByteArray("<HTML>\n</HTML>\n")); // opening never writes
    }

    // A damaged store and a folder for a file: the program reports both and
    // keeps running.
    void survivesADamagedStoreAndAFolderArgument()
    {
        const QString store = m_dir.filePath("damaged.reg");
        write(store, "\x01\x02 not a store");
        QProcess process;
        start(process, store, {m_dir.path()});
        QTest::qWait(1500);
        stop(process);
        QCOMPARE(read(store), QByteArray("\x01\x02 not a store"));
    }
};

QTEST_GUILESS_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
