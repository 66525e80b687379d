#include "colormemo.h"
#include "textmodel.h"

#include <QTest>

// The memo's interface counts a line break as CR LF while Qt's document
// keeps one separator per line.
class TestMemoText : public QObject
{
    Q_OBJECT

private slots:
    void memoSpeaksCrLf()
    {
        TColorMemo memo;
        memo.setText(QStringLiteral("<HTML>\r\n<BODY>\r\nHello\r\n</BODY>"));
        QCOMPARE(memo.textLength(), 30);
        QCOMPARE(memo.text(), QString("<HTML>\r\n<BODY>\r\nHello\r\n</BODY>"));
        memo.setSelStart(16);
        memo.setSelLength(5);
        QCOMPARE(memo.selText(), QString("Hello"));
        memo.setSelStart(6);
        memo.setSelLength(10);
        QCOMPARE(memo.selStart(), 6);
        QCOMPARE(memo.selLength(), 10);
        QCOMPARE(memo.selText(), QString("\r\n<BODY>\r\n"));
        memo.setSelText(QStringLiteral("x\r\ny"));
        QCOMPARE(memo.text(), QString("<HTML>x\r\nyHello\r\n</BODY>"));
        QCOMPARE(memo.selStart(), 10);
        QCOMPARE(memo.selLength(), 0);
        QCOMPARE(memo.lineCount(), 3);
        memo.setText(QStringLiteral("a\rb\nc"));
        QCOMPARE(memo.text(), QString("a\r\nb\r\nc"));
    }

    void crLfConversions()
    {
        QCOMPARE(TextModel::fromCrlf(u"a\r\nb\rc\nd\r"), QString("a\nb\nc\nd\n"));
        QCOMPARE(TextModel::toCrlf(u"a\nb\u2029c"), QString("a\r\nb\r\nc"));
    }
};

QTEST_MAIN(TestMemoText)
#include "tst_memotext.moc"
