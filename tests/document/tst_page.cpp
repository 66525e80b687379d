// A page's decisions without a window: what it reads and writes, what it
// asks, and what each answer does, on real files in a temporary folder.
#include "apperror.h"
#include "colormemo.h"
#include "page.h"
#include "settings.h"
#include "support/files.h"
#include "support/scripted.h"

#include <QDir>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct PageFixture {
    QTemporaryDir dir;
    ScriptedMessages messages;
    ScriptedDialogs dialogs;
    TColorMemo memo;
    Page page{memo, nullptr};

    QString path(const QString &name) const { return dir.filePath(name); }

    // Writes a file and loads it into the page.
    QString load(const QString &name, const QByteArray &bytes)
    {
        QDir().mkpath(QFileInfo(path(name)).absolutePath());
        writeFile(path(name), bytes);
        page.load(path(name));
        return path(name);
    }

    // Types as a user would, characters beyond ASCII included.
    void type(const QString &text)
    {
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(&memo, &press);
        }
    }
};

} // namespace

class TestPage : public QObject
{
    Q_OBJECT

private slots:
    void init() { g_settings = Settings(); }

    // Pages with what real sites hold come back unchanged, and the count
    // of bytes is what the file holds.
    void edgePagesRoundTrip_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("saved");
        QByteArray all, allSaved;
        for (int b = 0; b < 256; ++b) {
            all.append(char(b));
            allSaved.append(b == '\r' || b == '\n' ? QByteArray("\r\n") : QByteArray(1, char(b)));
        }
        const QByteArray mark = "\xef\xbb\xbf";
        const auto same = [](const char *name, const QByteArray &bytes) { QTest::newRow(name) << bytes << bytes; };
        same("byte-order mark", mark + "<HTML>caf\xc3\xa9</HTML>\r\n");
        same("byte-order mark only", mark);
        same("byte-order mark and Latin-1", mark + "caf\xe9");
        same("Latin-1", "<P>caf\xe9 \xfc\xdf</P>\r\n");
        same("NUL", QByteArray("a\0b\0\r\n", 6));
        same("UTF-8 with bytes that are not", "caf\xc3\xa9 \xff \xe2\x82");
        same("UTF-8 with a paragraph separator", "a\xe2\x80\xa9"
                                                 "b\xc3\xa9 \xf0\x9f\x98\x80");
        same("empty", "");
        QTest::newRow("lone CR and LF") << QByteArray("<P>\na\rb\r\r\nc") << QByteArray("<P>\r\na\r\nb\r\n\r\nc");
        QTest::newRow("all 256 byte values") << all << allSaved;
    }
    void edgePagesRoundTrip()
    {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, saved);
        PageFixture f;
        const QString name = f.load("edge.htm", file);
        QVERIFY(!f.memo.modified());
        QCOMPARE(f.memo.selStart(), 0);
        QCOMPARE(f.page.bytes().size(), saved.size());
        QVERIFY(f.page.save());
        QCOMPARE(readFile(name), saved);
        QVERIFY(f.messages.shown.isEmpty());
    }

    // The mark is no text; a character an 8-bit page cannot hold is written
    // as a character reference, a UTF-8 page takes it as it is.
    void typedTextIsWrittenAsThePageHoldsIt()
    {
        PageFixture f;
        const QString marked = f.load("marked.htm", "\xef\xbb\xbf<P>");
        QTest::keyClick(&f.memo, Qt::Key_Backspace);
        QTest::keyClick(&f.memo, Qt::Key_Delete);
        f.type("x");
        QCOMPARE(f.page.bytes().size(), 6);
        QVERIFY(f.page.save());
        QCOMPARE(readFile(marked), QByteArray("\xef\xbb\xbfxP>"));
        const QString latin = f.load("latin.htm", "caf\xe9");
        f.type(QString::fromUtf8("\xe2\x82\xac "));
        QCOMPARE(f.page.bytes().size(), 12);
        QVERIFY(f.page.save());
        QCOMPARE(readFile(latin), QByteArray("&#8364; caf\xe9"));
        const QString utf8 = f.load("utf8.htm", "caf\xc3\xa9");
        QCOMPARE(f.page.bytes().encoding(), PageEncoding::Utf8);
        f.type(QString::fromUtf8("\xe2\x82\xac "));
        QCOMPARE(f.page.bytes().size(), 9);
        QVERIFY(f.page.save());
        QCOMPARE(readFile(utf8), QByteArray("\xe2\x82\xac caf\xc3\xa9"));
    }

    // A page that cannot be read leaves the page unnamed with its text, so
    // a later Save cannot write over the user's file: it runs Save as.
    void unreadableFileLeavesThePageUnnamed()
    {
        PageFixture f;
        f.page.showSkeleton();
        QCOMPARE(f.memo.textLength(), 63);
        QCOMPARE(f.memo.selStart(), 23);
        const QString folder = f.path("folder.htm");
        QDir().mkpath(folder);
        QVERIFY_THROWS_EXCEPTION(AppError, f.page.load(folder));
        QVERIFY(!f.page.named());
        QCOMPARE(f.page.caption(), QString("No name"));
        QCOMPARE(f.memo.textLength(), 63);
        g_settings.saveDirectory = f.path("out");
        QVERIFY(!f.page.save()); // Save as, cancelled
        QCOMPARE(f.dialogs.requests.value(0).startFolder, f.path("out"));
        QVERIFY(QFileInfo(folder).isDir());
    }

    void saveAsNamesThePageOnlyWhenWritten()
    {
        PageFixture f;
        f.page.showSkeleton();
        f.type("T");
        const QString locked = f.path("locked.htm");
        writeFile(locked, "locked");
        QFile::setPermissions(locked, QFile::ReadOwner);
        f.dialogs.saveAnswers << locked;
        QVERIFY_THROWS_EXCEPTION(AppError, f.page.saveAs());
        QCOMPARE(readFile(locked), QByteArray("locked"));
        QVERIFY(!f.page.named());
        QVERIFY(f.memo.modified());
        QSignalSpy renamed(&f.page, &Page::renamed);
        QSignalSpy savedAs(&f.page, &Page::savedAs);
        f.dialogs.saveAnswers << f.path("new.htm");
        QVERIFY(f.page.saveAs());
        QCOMPARE(f.page.fileName(), f.path("new.htm"));
        QCOMPARE(f.page.caption(), QString("new.htm"));
        QVERIFY(readFile(f.path("new.htm")).startsWith("<HTML>\r\n<HEAD>\r\n<TITLE>T</TITLE>"));
        QVERIFY(!f.memo.modified());
        QCOMPARE(renamed.size(), 1);
        QCOMPARE(savedAs.size(), 1);
    }

    void missingFolderIsCreatedOnlyWhenTheUserAgrees()
    {
        PageFixture f;
        const QString page = f.load("gone/page.htm", "old");
        QVERIFY(QDir(f.path("gone")).removeRecursively());
        f.type("new ");
        f.messages.answers << Messages::No;
        QVERIFY(!f.page.save());
        QCOMPARE(f.messages.texts().value(0),
                 QString("Specified directory does not exist+\r\nDo you want to to create it now ?"));
        QVERIFY(f.memo.modified());
        QVERIFY(!QFile::exists(page));
        f.messages.answers << Messages::Yes;
        QVERIFY(f.page.save());
        QCOMPARE(readFile(page), QByteArray("new old"));
        QVERIFY(!f.memo.modified());
    }

    // Autosave goes on only for a page whose file is there, and only then
    // does the pass on leaving the program write it.
    void autosaveNeedsASavedFile()
    {
        PageFixture f;
        f.page.toggleAutosave();
        QCOMPARE(f.messages.texts(), QStringList{"The file has no name, please save it first !"});
        QVERIFY(!f.page.autosave());
        const QString page = f.load("auto.htm", "a");
        f.type("1");
        f.page.autosavePass();
        QCOMPARE(readFile(page), QByteArray("a"));
        f.page.toggleAutosave();
        QVERIFY(f.page.autosave());
        QCOMPARE(f.page.caption(), QString("auto.htm [autosave]"));
        f.page.autosavePass();
        QCOMPARE(readFile(page), QByteArray("1a"));
        QVERIFY(!f.memo.modified());
        f.page.toggleAutosave();
        QVERIFY(!f.page.autosave());
        QCOMPARE(f.page.caption(), QString("auto.htm"));
        QFile::remove(page);
        f.page.toggleAutosave();
        QCOMPARE(f.messages.texts().last(), QString("Please save the file in the normal way first"));
        QVERIFY(!f.page.autosave());
    }

    // "Save first ?" closes only a page that was really written.
    void closeQuestion()
    {
        PageFixture f;
        const QString page = f.load("d/q.htm", "q");
        QVERIFY(f.page.mayClose()); // unchanged: nothing asked
        QVERIFY(f.messages.shown.isEmpty());
        f.type("1");
        f.page.toggleAutosave();
        f.messages.answers << Messages::Cancel;
        QVERIFY(!f.page.mayClose());
        QCOMPARE(f.messages.texts().value(0), QString("File q.htm [autosave] has changed !! Save first ?"));
        QFile::setPermissions(page, QFile::ReadOwner);
        f.messages.answers << Messages::Yes; // the write fails
        QVERIFY(!f.page.mayClose());
        QCOMPARE(f.messages.texts().last(), "Cannot create file " + page);
        QFile::setPermissions(page, QFile::ReadOwner | QFile::WriteOwner);
        f.messages.answers << Messages::Yes;
        QVERIFY(f.page.mayClose());
        QCOMPARE(readFile(page), QByteArray("1q"));
        f.type("2");
        f.messages.answers << Messages::No;
        QVERIFY(f.page.mayClose());
        QCOMPARE(readFile(page), QByteArray("1q"));
        Page unnamed(f.memo, nullptr);
        f.messages.answers << Messages::Yes; // Save as is cancelled
        QVERIFY(!unnamed.mayClose());
    }
};

QTEST_MAIN(TestPage)
#include "tst_page.moc"
