#include "apperror.h"
#include "bytetext.h"
#include "documentfile.h"

#include <QTemporaryDir>
#include <QTest>

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
    // The mark is a flag of the page, never part of its text.
    void byteOrderMarkIsKept()
    {
        const QByteArray mark = "\xef\xbb\xbf";
        const PageText page = decodePage(mark + "<P>caf\xc3\xa9</P>");
        QVERIFY(page.byteOrderMark);
        QCOMPARE(page.text, QString::fromUtf8("<P>caf\xc3\xa9</P>"));
        // Text typed into a marked page is UTF-8, also where it held only ASCII.
        QCOMPARE(decodePage(mark + "ascii").encoding, PageEncoding::Utf8);
        QCOMPARE(decodePage(mark + "caf\xe9").encoding, PageEncoding::EightBit);
        QVERIFY(!decodePage("\xef\xbb").byteOrderMark);
    }

    // An inserted file's bytes, where the page cannot take it as UTF-8
    // (the two ways a page lost them are tried through a window).
    void insertedFilesKeepTheirBytes()
    {
        // An 8-bit page that holds more than ASCII takes each byte as it is.
        const QByteArray utf8 = "\xc3\xa9\xe2\x82\xac";
        PageText into = decodeInsertion("\xef\xbb\xbf" + utf8, PageEncoding::EightBit, false);
        QCOMPARE(into.encoding, PageEncoding::EightBit);
        QCOMPARE(encodePage(QString::fromLatin1("\xe9") + into.text, into.encoding), "\xe9" + utf8);
        // So does an ASCII page with a file that is not UTF-8.
        into = decodeInsertion("caf\xe9", PageEncoding::EightBit, true);
        QCOMPARE(into.encoding, PageEncoding::EightBit);
        QCOMPARE(into.text, QString::fromLatin1("caf\xe9"));
    }

    void unreadableFilesAreReported()
    {
        const QString missing = m_dir.filePath("missing.htm");
        QCOMPARE(errorOf([&] { readPageFile(missing); }), "Cannot open file " + missing);
        QCOMPARE(errorOf([&] { readPageFile(m_dir.path()); }), "Cannot open file " + m_dir.path());
        // A name that is not UTF-8 is shown as a person reads it.
        const QString latin1 = m_dir.filePath(ByteText::decode("caf\xe9.htm"));
        QCOMPARE(errorOf([&] { readPageFile(latin1); }), "Cannot open file " + ByteText::displayed(latin1));
        const QString noFolder = m_dir.filePath("nowhere/page.htm");
        QCOMPARE(errorOf([&] { writePageFile(noFolder, "new"); }), "Cannot create file " + noFolder);
    }
};

QTEST_GUILESS_MAIN(TestDocumentFile)
#include "tst_documentfile.moc"
