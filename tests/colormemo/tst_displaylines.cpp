#include "colormemo.h"
#include "displaybreaks.h"
#include "displaylines.h"
#include "documentrules.h"
#include "support/pseudorandom.h"
#include "textmodel.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

using DisplayLines::LongestShownLine;
using DisplayLines::PieceLength;

namespace {

// A line of 'length' characters that has no place to break but at 'at'.
QString lineBreakableAt(int length, int at, QChar breaker)
{
    QString line(length, u'x');
    line[at - 1] = breaker;
    return line;
}

int continuationBlocks(const QTextDocument &document)
{
    int count = 0;
    for (QTextBlock block = document.firstBlock(); block.isValid(); block = block.next())
        count += DisplayBreaks::continues(block) ? 1 : 0;
    return count;
}

int longestBlock(const QTextDocument &document)
{
    int longest = 0;
    for (QTextBlock block = document.firstBlock(); block.isValid(); block = block.next())
        longest = std::max(longest, block.length() - 1);
    return longest;
}

} // namespace

// Long lines shown as display lines: where the view breaks them, the
// positions across the breaks, and that every edit and key sees the text
// as if the breaks were not there.
class TestDisplayLines : public QObject
{
    Q_OBJECT

private slots:
    void whereLinesBreak()
    {
        QVERIFY(DisplayLines::breaksInLine(QString(LongestShownLine, u'x')).empty());
        QCOMPARE(DisplayLines::breaksInLine(QString(10000, u'x')), (std::vector<int>{2048, 4096, 6144}));
        // after a blank or a '>' in the piece's second half, not in its first
        QCOMPARE(DisplayLines::breaksInLine(lineBreakableAt(5000, 1500, u'>'))[0], 1500);
        QCOMPARE(DisplayLines::breaksInLine(lineBreakableAt(5000, 1000, u' '))[0], PieceLength);
        // a surrogate pair stays whole
        QString pair = QString(5000, u'x');
        pair[PieceLength - 1] = QChar::highSurrogate(0x1F600);
        pair[PieceLength] = QChar::lowSurrogate(0x1F600);
        QCOMPARE(DisplayLines::breaksInLine(pair)[0], PieceLength - 1);
        // each line of a text on its own, at offsets in the text
        const QString text =
            QStringLiteral("short\n") + QString(5000, u'y') + QChar::ParagraphSeparator + QString(5000, u'z');
        QCOMPARE(DisplayLines::breaksInText(text), (std::vector<int>{6 + 2048, 5007 + 2048}));
    }

    void positionsAcrossABreak()
    {
        // "ab" CR LF, "" CR LF, "cd" and after a display break "e":
        // the model text "ab\r\n\r\ncde" and the raw text "ab" PS PS "cde"
        QTextDocument document(QStringLiteral("ab\n\ncd\ne"));
        QTextCursor(document.lastBlock()).setBlockFormat(DisplayBreaks::continuationFormat());
        DisplayBreaks breaks;
        breaks.follow(document, 0, document.characterCount());
        QCOMPARE(breaks.count(), 1);
        QCOMPARE(breaks.modelLength(document), 9);
        // inside a line break to its line's end; at the display break to
        // the start of the display line after it
        const int toDocument[] = {0, 1, 2, 2, 3, 3, 4, 5, 7, 8};
        for (int p = 0; p < 10; ++p)
            QCOMPARE(breaks.toDocument(document, p), toDocument[p]);
        const int fromDocument[] = {0, 1, 2, 4, 6, 7, 8, 8, 9};
        for (int d = 0; d < 9; ++d)
            QCOMPARE(breaks.fromDocument(document, d), fromDocument[d]);
        QCOMPARE(breaks.toDocument(document, 1000), 8);
        QCOMPARE(breaks.toRaw(document, 7), 6);
        QCOMPARE(breaks.fromRaw(document, 6), 7);
        QCOMPARE(breaks.fromRaw(document, 5), 5);
        QCOMPARE(breaks.withoutBreaks(document, 0, document.toRawText()), QStringView(u"ab\u2029\u2029cde").toString());
        QCOMPARE(breaks.withoutBreaks(document, 5, QStringView(u"d\u2029e").toString()), QString("de"));
    }

    // Edits of every size, undone and redone: the memo's text is always the
    // one edited, and no block is longer than a line shown whole.
    void editsSeeTheTextWithoutBreaks()
    {
        // (the model's breaks, against which the memo is checked)
        QCOMPARE(TextModel::fromCrlf(u"a\r\nb\rc\nd\r"), QString("a\nb\nc\nd\n"));
        QCOMPARE(TextModel::toCrlf(u"a\nb\u2029c"), QString("a\r\nb\r\nc"));
        TColorMemo memo;
        applyDocumentRules(memo); // coloured and shown, as in a document window
        memo.show();
        QVERIFY(QTest::qWaitForWindowExposed(&memo));
        Pseudorandom random{11};
        const QStringList pieces{"a",
                                 "\n",
                                 "xy\nz",
                                 "",
                                 "<b> ",
                                 QString(3000, u'p'),
                                 QString(5000, u'q'),
                                 QStringLiteral("w> ").repeated(3000)};
        QString expected;
        QStringList undone;
        QStringList redone;
        // a position not inside a CR LF, from 'from' on
        const auto position = [&](int from) {
            const int at = from + int(random.below(quint32(expected.size() - from) + 1));
            return at > from && expected[at - 1] == u'\r' ? at - 1 : at;
        };
        for (int step = 0; step < 300; ++step) {
            const quint32 what = random.below(8);
            if (what == 0) {
                const QString text = random.text(pieces, 6);
                memo.setModelText(text);
                expected = TextModel::toCrlf(text);
                undone.clear();
                redone.clear();
            } else if (what == 1 && !undone.isEmpty()) {
                memo.undo();
                redone << std::exchange(expected, undone.takeLast());
            } else if (what == 2 && !redone.isEmpty()) {
                memo.redo();
                undone << std::exchange(expected, redone.takeLast());
            } else {
                const int from = position(0);
                const int end = position(from);
                const QString piece = random.text(pieces, 3);
                memo.setSelStart(from);
                memo.setSelLength(end - from);
                QCOMPARE(memo.selText(), expected.mid(from, end - from));
                memo.setSelModelText(piece);
                if (end > from || !piece.isEmpty()) { // else there is no step to undo
                    undone << expected;
                    redone.clear();
                }
                expected.replace(from, end - from, TextModel::toCrlf(piece));
                QCOMPARE(memo.selStart(), from + TextModel::toCrlf(piece).size());
            }
            QCOMPARE(memo.text(), expected);
            QCOMPARE(memo.textLength(), expected.size());
            QCOMPARE(memo.lineCount(), expected.count(QStringLiteral("\r\n")) + 1);
            QCOMPARE(memo.displayBreakCount(), continuationBlocks(*memo.document()));
            QVERIFY(longestBlock(*memo.document()) <= LongestShownLine);
        }
    }

    void keysAtADisplayBreak()
    {
        TColorMemo memo;
        memo.show();
        QVERIFY(QTest::qWaitForWindowExposed(&memo));
        const QString line = QStringLiteral("0123456789").repeated(1000);
        memo.setModelText(line);
        memo.setModified(false);
        QVERIFY(memo.displayBreakCount() > 0);
        QVERIFY(!memo.document()->isUndoAvailable());
        const int at = DisplayLines::breaksInLine(line)[0];
        // the caret passes a break with one key press each way
        memo.setSelStart(at);
        QTest::keyClick(&memo, Qt::Key_Right);
        QCOMPARE(memo.selStart(), at + 1);
        QTest::keyClick(&memo, Qt::Key_Left);
        QTest::keyClick(&memo, Qt::Key_Left);
        QCOMPARE(memo.selStart(), at - 1);
        QTest::keyClick(&memo, Qt::Key_Right, Qt::ShiftModifier);
        QTest::keyClick(&memo, Qt::Key_Right, Qt::ShiftModifier);
        QCOMPARE(memo.selText(), line.mid(at - 1, 2));
        // Backspace and Delete at the break take a character each
        memo.setSelStart(at);
        QTest::keyClick(&memo, Qt::Key_Backspace);
        memo.moveCursor(QTextCursor::NextBlock); // the caret at either side of the break
        memo.moveCursor(QTextCursor::PreviousBlock);
        memo.moveCursor(QTextCursor::EndOfBlock);
        QCOMPARE(memo.selStart(), at - 1);
        QTest::keyClick(&memo, Qt::Key_Delete);
        QString edited = line;
        edited.remove(at - 1, 2);
        QCOMPARE(memo.text(), edited);
        // Return there is a line break of the text; typed characters go in
        QTest::keyClick(&memo, Qt::Key_Return);
        QTest::keyClicks(&memo, QStringLiteral("ab"));
        edited.insert(at - 1, QStringLiteral("\r\nab"));
        QCOMPARE(memo.text(), edited);
        QCOMPARE(memo.lineCount(), 2);
        // copied text has no display breaks; undo brings back the text
        memo.selectAll();
        memo.copy();
        QCOMPARE(QApplication::clipboard()->text(), TextModel::fromCrlf(edited));
        while (memo.document()->isUndoAvailable())
            memo.undo();
        QCOMPARE(memo.text(), line);
        QVERIFY(!memo.modified());
    }

    // A page typed into at a display line's end grows that line until it
    // is cut again, in the same step to undo.
    void typedLineIsCutWhenTooLong()
    {
        TColorMemo memo;
        memo.setModelText(QString(LongestShownLine - 1, u'x') + u'\n');
        memo.setSelStart(LongestShownLine - 1);
        QTest::keyClicks(&memo, QStringLiteral("yz"));
        QCOMPARE(memo.displayBreakCount(), 1);
        QCOMPARE(memo.text(), QString(LongestShownLine - 1, u'x') + QStringLiteral("yz\r\n"));
        memo.undo();
        QCOMPARE(memo.displayBreakCount(), 0);
        QCOMPARE(memo.text(), QString(LongestShownLine - 1, u'x') + QStringLiteral("y\r\n"));
    }
};

QTEST_MAIN(TestDisplayLines)
#include "tst_displaylines.moc"
