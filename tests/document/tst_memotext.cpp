#include "colormemo.h"
#include "textmodel.h"

#include <QRandomGenerator>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>

// The memo's interface counts a line break as CR LF while Qt's document
// keeps one separator per line.
class TestMemoText : public QObject
{
    Q_OBJECT

private slots:
    void positionsCountCrLf()
    {
        QTextDocument document;
        document.setPlainText(QStringLiteral("ab\n\ncde\n"));
        // CR LF text: a b CR LF CR LF c d e CR LF  -> 11 characters
        QCOMPARE(TextModel::length(document), 11);
        // Positions inside a line break land at the end of its line.
        const int toDocument[] = {0, 1, 2, 2, 3, 3, 4, 5, 6, 7, 7, 8};
        for (int p = 0; p < 12; ++p)
            QCOMPARE(TextModel::toDocument(document, p), toDocument[p]);
        const int fromDocument[] = {0, 1, 2, 4, 6, 7, 8, 9, 11};
        for (int q = 0; q < 9; ++q)
            QCOMPARE(TextModel::fromDocument(document, q), fromDocument[q]);
        QCOMPARE(TextModel::toDocument(document, -5), 0);
        QCOMPARE(TextModel::toDocument(document, 1000), 8);
        QCOMPARE(TextModel::fromDocument(document, 1000), 11);
    }

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

    // The memo follows its length from the document's change reports:
    // after any mix of edits it must still agree with the document.
    void lengthFollowsEveryKindOfEdit()
    {
        TColorMemo memo;
        QRandomGenerator random(7);
        const QString pieces[] = {"a", "\n", "xy\nz", "\n\n", "", "long line of text"};
        for (int step = 0; step < 2000; ++step) {
            QTextCursor cursor(memo.document());
            const int size = memo.document()->characterCount() - 1;
            const int from = random.bounded(size + 1);
            cursor.setPosition(from);
            cursor.setPosition(from + random.bounded(size - from + 1), QTextCursor::KeepAnchor);
            switch (random.bounded(6)) {
            case 0: memo.setPlainText(pieces[random.bounded(6)].repeated(random.bounded(4))); break;
            case 1: memo.undo(); break;
            case 2: memo.redo(); break;
            case 3: cursor.removeSelectedText(); break;
            default: cursor.insertText(pieces[random.bounded(6)]); break;
            }
            QCOMPARE(memo.textLength(), TextModel::length(*memo.document()));
        }
    }

    void crLfConversions()
    {
        QCOMPARE(TextModel::fromCrlf(u"a\r\nb\rc\nd\r"), QString("a\nb\nc\nd\n"));
        QCOMPARE(TextModel::toCrlf(u"a\nb\u2029c"), QString("a\r\nb\r\nc"));
    }
};

QTEST_MAIN(TestMemoText)
#include "tst_memotext.moc"
