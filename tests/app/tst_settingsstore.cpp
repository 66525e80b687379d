#include "apperror.h"
#include "ftpaccounts.h"
#include "settings.h"
#include "settingsstore.h"
#include "startup.h"
#include "support/appfixture.h"
#include "support/files.h"
#include "support/scripted.h"
#include "tagtable.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QByteArray kHeader = "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Varnholt\\Quendel\\Config]\n";

} // namespace

class TestSettingsStore : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_store;

    void writeStore(const QByteArray &values) { writeFile(m_store, kHeader + values); }
    QByteArray storeText() const { return readFile(m_store); }
    // Loads as start-up does: an error is shown and the program goes on.
    QStringList load()
    {
        ScriptedMessages messages;
        runCommand(loadAllSettings);
        return messages.texts();
    }

private slots:
    void init()
    {
        static int n = 0;
        m_store = m_dir.filePath(QStringLiteral("store%1/Quendel.reg").arg(++n));
        QDir().mkpath(QFileInfo(m_store).absolutePath());
        qputenv("QUENDEL_STORE", m_store.toLocal8Bit());
        g_settings = Settings();
        g_tags = TagTable();
        RegKey::holdWrites(false);
    }

    void missingStoreKeepsTheDefaults()
    {
        QVERIFY(load().isEmpty());
        QCOMPARE(g_settings.openDirectory, QDir::homePath());
        QVERIFY(!QFile::exists(m_store)); // reading never creates the store
    }

    // A value of the wrong type stops the load there: what came before it
    // is read, what comes after is not. hex(2) is a text, a dword a number.
    void wrongTypeStopsTheLoadAtThatValue()
    {
        writeStore("\"VAR4\"=\"/pages\"\n\"VAR6\"=\"12\"\n\"VAR8\"=\"/save\"\n\"tagsins\"=dword:1\n");
        QCOMPARE(load(), QStringList{"Invalid data type for 'VAR6'"});
        QCOMPARE(g_settings.openDirectory, QString("/pages"));
        QCOMPARE(g_settings.fontSize, 10);
        QCOMPARE(g_settings.saveDirectory, QDir::homePath());
        QVERIFY(!g_settings.tagsInstalled);
        writeStore("\"VAR4\"=hex:41,42\n");
        QCOMPARE(load(), QStringList{"Invalid data type for 'VAR4'"});
        writeStore("\"VAR4\"=hex(2):2f,74,6d,70,00\n\"VAR6\"=dword:0000000c\n");
        QVERIFY(load().isEmpty());
        QCOMPARE(g_settings.openDirectory, QString("/tmp"));
        QCOMPARE(g_settings.fontSize, 12);
    }

    // The load stopped before the marker, so the tag table is empty: start-up
    // fills it in memory, and nothing of that run reaches the store.
    void wrongTypeLeavesTheStoreAsItIs()
    {
        for (const Messages::Button install : {Messages::Yes, Messages::No}) {
            AppFixture app(false);
            const QByteArray stored =
                kHeader + "\"VAR6\"=\"12\"\n\"tagsins\"=dword:00000001\n\"TAG5\"=\"<T>\"\n\"DEF0\"=\"M\"\n";
            app.writeFile("Quendel.reg", stored);
            app.messages.answers << Messages::OK << install;
            app.start();
            QCOMPARE(app.messages.texts().mid(0, 2),
                     (QStringList{"Invalid data type for 'VAR6'", "The HTML tags have not been installed yet!\r\n"
                                                                  "Do You wish to install the default tags now ?"}));
            QCOMPARE(g_tags.slot(5).opening, QString::fromLatin1(tagDefault(5).opening));
            QCOMPARE(g_tags.slot(56).opening, QString("----------"));
            saveGeneralSettings();
            QCOMPARE(app.readFile("Quendel.reg"), stored);
        }
    }

    void tagsLoadOnlyWithTheMarker()
    {
        writeStore("\"TAG5\"=\"<T>\"\n\"BACK5\"=dword:3\n");
        load();
        QVERIFY(g_tags.slot(5).opening.isEmpty());
        writeStore("\"tagsins\"=dword:1\n\"TAG5\"=\"<T>\"\n\"BACK5\"=dword:3\n\"CLOSE5\"=\"</T>\"\n"
                   "\"MIN5\"=dword:2\n\"DEF3\"=\"mine\"\n\"DEF10\"=\"never\"\n");
        load();
        QVERIFY(g_settings.tagsInstalled);
        QCOMPARE(g_tags.slot(5).opening, QString("<T>"));
        QCOMPARE(g_tags.slot(5).closing, QString("</T>"));
        QCOMPARE(g_tags.slot(5).back, 3);
        QCOMPARE(g_tags.slot(5).extra, 2);
        QCOMPARE(g_tags.captions[3], QString("mine"));
        QVERIFY(g_tags.slot(6).opening.isEmpty());
    }

    void readsOnlyTheCountedAccounts()
    {
        writeStore("\"VAR10\"=dword:2\n\"HOST1\"=\"a\"\n\"PASS1\"=\"p\"\n\"HOST2\"=\"b\"\n"
                   "\"HOST3\"=\"c\"\n\"NICK2\"=\"bee\"\n");
        load();
        QCOMPARE(g_settings.accountCount, 2);
        QCOMPARE(account(1).host, QString("a"));
        QCOMPARE(account(1).password, QString("p"));
        QCOMPARE(account(2).nick, QString("bee"));
        QVERIFY(account(3).host.isEmpty());
    }

    // The old Windows default reads as the home folder; the general save
    // rewrites only its own values and leaves the rest of the file alone.
    void generalSaveReplacesOnlyItsValues()
    {
        const QByteArray foreign = "REGEDIT4\n\n; kept by hand\n[HKEY_CURRENT_USER\\Other]\n\"VAR4\"=\"theirs\"\n\n"
                                   "[HKEY_LOCAL_MACHINE\\Software\\Varnholt\\Quendel\\Config]\n@=\"default\"\n";
        const QByteArray kept = "\"TAG1\"=hex(2):3c,42,3e,00\n\"VAR10\"=dword:00000001\n";
        writeFile(m_store, foreign + "\"VAR1\"=\"old\"\n\"VAR2\"=dword:1\n\"VAR8\"=\"c:\\\\\"\n" + kept);
        QVERIFY(load().isEmpty());
        QCOMPARE(g_settings.saveDirectory, QDir::homePath());
        g_settings.fontName = QStringLiteral("Mono \"Bold\"");
        g_settings.fontSize = 14;
        saveGeneralSettings();
        const QByteArray home = QFile::encodeName(QDir::homePath());
        QCOMPARE(storeText(), foreign + kept + "\"VAR3\"=\"0\"\n\"VAR4\"=\"" + home
                                  + "\"\n\"VAR5\"=\"Mono \\\"Bold\\\"\"\n\"VAR6\"=dword:0000000e\n\"VAR8\"=\"" + home
                                  + "\"\n\"VAR9\"=\"" + home + "\"\n");
    }

    // 8-bit text keeps its bytes through start-up's writes and a save.
    void eightBitBytesSurvive()
    {
        writeStore("\"VAR4\"=\"/tmp/\xdc"
                   "bungen\"\n\"tagsins\"=dword:1\n\"TAG5\"=\"M\xfcller\"\n");
        QVERIFY(load().isEmpty());
        repairTagTable();
        saveGeneralSettings();
        const QByteArray text = storeText();
        QVERIFY(text.contains("\n\"VAR4\"=\"/tmp/\xdc"
                              "bungen\"\n"));
        QVERIFY(text.contains("\n\"TAG5\"=\"M\xfcller\"\n"));
        QVERIFY(!text.contains("\xef\xbf\xbd"));
    }

    // A new store is private; a write keeps the mode a user gave it, until
    // the file holds a password.
    void storeModes()
    {
        m_store = m_dir.filePath("deep/er/Quendel.reg");
        qputenv("QUENDEL_STORE", m_store.toLocal8Bit());
        const auto mode = [this] {
            return QFile::permissions(m_store) & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser);
        };
        auto write = [](const char *name, const char *value) {
            RegKey key;
            QVERIFY(key.openWrite());
            key.writeString(QLatin1String(name), QLatin1String(value));
            key.close();
        };
        write("PASS2", "");
        QCOMPARE(mode(), QFile::ReadOwner | QFile::WriteOwner);
        const auto shared = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;
        QVERIFY(QFile::setPermissions(m_store, shared));
        write("VAR5", "Mono");
        QCOMPARE(mode(), shared);
        write("PASS1", "secret");
        QCOMPARE(mode(), QFile::ReadOwner | QFile::WriteOwner);
    }

    // Another copy's write in progress holds the lock: a writer waits for it
    // rather than failing, and a holder that is killed leaves no stale lock.
    void writersWaitForTheLockHolder()
    {
        const auto holdLock = [this](const char *thenWhat) {
            auto holder = std::make_unique<QProcess>();
            holder->start("python3", {"-c",
                                      QString("import fcntl,sys,time\n"
                                              "f=open(sys.argv[1],'a'); fcntl.flock(f, fcntl.LOCK_EX)\n"
                                              "print('held', flush=True); %1")
                                          .arg(thenWhat),
                                      m_store + ".lock"});
            if (!holder->waitForReadyRead(5000))
                qFatal("the lock holder did not start");
            return holder;
        };
        auto write = [] {
            RegKey key;
            const bool opened = key.openWrite();
            if (opened)
                key.writeString(QStringLiteral("VAR5"), QStringLiteral("Mono"));
            return opened;
        };
        auto brief = holdLock("time.sleep(0.3)");
        QElapsedTimer waited;
        waited.start();
        QVERIFY(write());
        QVERIFY(waited.elapsed() >= 200);
        QVERIFY(brief->waitForFinished());
        auto killed = holdLock("time.sleep(60)");
        killed->kill();
        QVERIFY(killed->waitForFinished());
        waited.restart();
        QVERIFY(write());
        QVERIFY(waited.elapsed() < 1000);
        QVERIFY(storeText().contains("\"VAR5\"=\"Mono\""));
    }

    void damagedStoreGivesDefaultsAndStaysAsItWas()
    {
        for (const QByteArray &content :
             {QByteArray("\x00\x01garbage\xff\n\x7f", 13), kHeader + "\"VAR4\"=\"/x\"\n\"VAR5\"=\"MS Sa"}) {
            writeFile(m_store, content);
            const QStringList shown = load();
            QCOMPARE(shown.size(), 1);
            QVERIFY(shown[0].contains(m_store) && shown[0].contains("damaged"));
            QCOMPARE(g_settings.openDirectory, QDir::homePath());
            // Writers leave a damaged store alone instead of overwriting it.
            saveGeneralSettings();
            resetTag(5);
            QCOMPARE(storeText(), content);
            QCOMPARE(g_tags.slot(5).opening, QString::fromLatin1(tagDefault(5).opening));
        }
    }

    void unreadableStoreIsReported()
    {
        QDir().mkpath(m_store); // a folder where the file belongs
        const QStringList shown = load();
        QCOMPARE(shown.size(), 1);
        QVERIFY(shown[0].contains("cannot be read"));
        saveGeneralSettings(); // silently writes nothing
        QVERIFY(QFileInfo(m_store).isDir());
    }

    void storeInAFolderThatCannotBeCreated()
    {
        writeFile(m_dir.filePath("blocker"), {});
        qputenv("QUENDEL_STORE", m_dir.filePath("blocker/sub/Quendel.reg").toLocal8Bit());
        QVERIFY(load().isEmpty());
        ScriptedMessages messages;
        saveGeneralSettings();
        installAllTags();
        resetTag(60);
        QVERIFY(messages.shown.isEmpty());
        QCOMPARE(g_tags.slot(60).opening, QString("----------")); // memory still changes
        QCOMPARE(g_tags.captions[4], QString("----------"));
    }
};

QTEST_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
