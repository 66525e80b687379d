#include "apperror.h"
#include "documentfile.h"
#include "support/files.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

namespace {

QString errorOf(const std::function<void()> &f)
{
    try {
        f();
    } catch (const AppError &error) {
        return error.message();
    }
    return {};
}

} // namespace

class TestDocumentFile : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void everyByteComesBackUnchanged()
    {
        // Every byte value but the line-break bytes, NULs and invalid UTF-8
        // among them, with CR LF breaks.
        QByteArray bytes;
        for (int round = 0; round < 3; ++round) {
            for (int b = 0; b < 256; ++b) {
                if (b != '\r' && b != '\n')
                    bytes.append(char(b));
            }
            bytes.append("\r\n");
        }
        const PageText page = decodePage(bytes);
        QCOMPARE(page.encoding, PageEncoding::EightBit);
        QCOMPARE(page.text.count(QLatin1Char('\n')), 3);
        QCOMPARE(page.text.at(0), QChar(0));
        QCOMPARE(page.text.at(0xA0 - 2), QChar(0xA0)); // no-break space stays
        QCOMPARE(encodePage(page.text, page.encoding), bytes);
    }

    void lineEndsBecomeCrLf()
    {
        const PageText page = decodePage("a\nb\rc\r\nd\r\r\ne\n\r");
        QCOMPARE(page.text, QString("a\nb\nc\nd\n\ne\n\n"));
        QCOMPARE(encodePage(page.text, page.encoding), QByteArray("a\r\nb\r\nc\r\nd\r\n\r\ne\r\n\r\n"));
        QCOMPARE(encodePage(QString("x\u2029y"), PageEncoding::EightBit), QByteArray("x\r\ny"));
    }

    void utf8PagesStayUtf8()
    {
        const QByteArray bytes = "<P>Gr\xc3\xbc\xc3\x9f\x65 \xe2\x82\xac \xf0\x9f\x98\x80</P>\r\n";
        const PageText page = decodePage(bytes);
        QCOMPARE(page.encoding, PageEncoding::Utf8);
        QCOMPARE(page.text, QString::fromUtf8("<P>Grüße € 😀</P>\n"));
        QCOMPARE(encodePage(page.text, page.encoding), bytes);
        // Plain ASCII and Latin-1 bytes that are not UTF-8 stay 8-bit.
        QCOMPARE(decodePage("plain").encoding, PageEncoding::EightBit);
        QCOMPARE(decodePage("caf\xe9").text, QString::fromLatin1("caf\xe9"));
        // A paragraph separator would become a line break in the view: such
        // a file is kept as 8-bit so that it still round-trips.
        const QByteArray separator = "a\xe2\x80\xa9" "b\xc3\xa9";
        const PageText kept = decodePage(separator);
        QCOMPARE(kept.encoding, PageEncoding::EightBit);
        QCOMPARE(encodePage(kept.text, kept.encoding), separator);
    }

    void charactersBeyondEightBitsAreNeverDropped()
    {
        const QString typed = QString::fromUtf8("caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80");
        QCOMPARE(encodePage(typed, PageEncoding::EightBit), QByteArray("caf\xe9 &#8364; &#128512;"));
        QCOMPARE(encodePage(typed, PageEncoding::Utf8), typed.toUtf8());
    }

    void unreadableFilesAreReported()
    {
        const QString missing = m_dir.filePath("missing.htm");
        QCOMPARE(errorOf([&] { readPageFile(missing); }), "Cannot open file " + missing);
        QCOMPARE(errorOf([&] { readPageFile(m_dir.path()); }), "Cannot open file " + m_dir.path());
    }

    void readOnlyTargetIsNotReplaced()
    {
        const QString path = m_dir.filePath("locked.htm");
        writeFile(path, "original");
        QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup);
        QCOMPARE(errorOf([&] { writePageFile(path, "new"); }), "Cannot create file " + path);
        QCOMPARE(readFile(path), QByteArray("original"));
        QCOMPARE(errorOf([&] { writePageFile(m_dir.path(), "new"); }),
                 "Cannot create file " + m_dir.path());
        const QString noFolder = m_dir.filePath("nowhere/page.htm");
        QCOMPARE(errorOf([&] { writePageFile(noFolder, "new"); }), "Cannot create file " + noFolder);
    }

    // The disk fills up in the middle of the write: the old page stays whole.
    void failingWriteKeepsTheOldFile()
    {
        QVERIFY(QDir(m_dir.path()).mkpath("full"));
        const QString path = m_dir.filePath("full/page.htm");
        const QByteArray old(100000, 'o');
        writeFile(path, old);
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit previous{};
        getrlimit(RLIMIT_FSIZE, &previous);
        rlimit small = previous;
        small.rlim_cur = 200000;
        setrlimit(RLIMIT_FSIZE, &small);
        const QString error = errorOf([&] { writePageFile(path, QByteArray(500000, 'n')); });
        setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, previousHandler);
        QCOMPARE(error, "Cannot create file " + path);
        QCOMPARE(readFile(path), old);
        QCOMPARE(QDir(m_dir.filePath("full")).entryList(QDir::Files), QStringList{"page.htm"});
    }
};

QTEST_GUILESS_MAIN(TestDocumentFile)
#include "tst_documentfile.moc"
