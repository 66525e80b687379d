#include "colormemo.h"
#include "pagebytes.h"
#include "support/pseudorandom.h"

#include <QTest>
#include <QTextCursor>
#include <QTextDocument>

// The page's byte count, followed per change, against what saving writes.
class TestPageBytes : public QObject
{
    Q_OBJECT

private slots:
    void followsEditsUndoAndRedo_data()
    {
        QTest::addColumn<PageEncoding>("encoding");
        QTest::addColumn<bool>("mark");
        QTest::newRow("8-bit") << PageEncoding::EightBit << false;
        QTest::newRow("UTF-8 with a mark") << PageEncoding::Utf8 << true;
    }

    void followsEditsUndoAndRedo()
    {
        QFETCH(PageEncoding, encoding);
        QFETCH(bool, mark);
        TColorMemo memo;
        PageBytes bytes(memo);
        bytes.setEncoding(encoding);
        bytes.setByteOrderMark(mark);
        QTextDocument &document = *memo.document();
        // Characters of one to ten bytes, halves of surrogate pairs and
        // carried bytes, and line breaks.
        QStringList pieces = {"a", "<P>", "\n", QString::fromUtf8("\xf0\x9f\x98\x80")};
        for (const int unit : {0xE9, 0x20AC, 0xD83D, 0xDE00, 0xDCE9, 0xD800, 0xDC80, 0x10FF})
            pieces << QString(QChar(unit));
        Pseudorandom random{20261208};
        for (int round = 0; round < 3000; ++round) {
            const int length = document.characterCount() - 1;
            QTextCursor cursor(&document);
            switch (random.below(8)) {
            case 0: memo.setModelText(random.text(pieces, 40)); break;
            case 1: document.undo(); break;
            case 2: document.redo(); break;
            default: // anywhere, also between the halves of a pair
                cursor.setPosition(int(random.below(length + 1)));
                cursor.setPosition(std::min(length, cursor.position() + int(random.below(6))), QTextCursor::KeepAnchor);
                cursor.insertText(random.text(pieces, 6));
                break;
            }
            QCOMPARE(bytes.size(), bytes.encoded().size());
        }
    }

    void aBigChangeIsCountedInPieces()
    {
        TColorMemo memo;
        PageBytes bytes(memo);
        bytes.setEncoding(PageEncoding::Utf8);
        const QString big = QString(200000, QChar(0xE9)) + QString::fromUtf8("\xf0\x9f\x98\x80") + QString(70000, u'a');
        memo.setModelText(big);
        QCOMPARE(bytes.size(), 200000 * 2 + 4 + 70000);
        QTextCursor cursor(memo.document());
        cursor.setPosition(65536); // splits the pieces a different way
        cursor.setPosition(200001, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
        QCOMPARE(bytes.size(), bytes.encoded().size());
    }
};

QTEST_MAIN(TestPageBytes)
#include "tst_pagebytes.moc"
