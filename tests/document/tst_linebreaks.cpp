#include "linebreaks.h"
#include "support/pseudorandom.h"
#include "textedit.h"

#include <QTest>

using namespace LineBreaks;

class TestLineBreaks : public QObject
{
    Q_OBJECT

private slots:
    void removalRestartsSoJoinedTagsGoToo()
    {
        QCOMPARE(removeBreakTags(u"<b<br>r>"), QString());
        QCOMPARE(removeBreakTags(u"a<br>\r\nb<BR>c<br"), QString("a\r\nb<BR>c<br"));
        QCOMPARE(removeBreakTags(u"<<br>br<br>>x"), QString("x"));
        QCOMPARE(removeBreakTags(u""), QString());
    }

    void conversionPutsATagBeforeEachBreakOnce()
    {
        QCOMPARE(setLineBreaks(u"a\r\nb\r\n", true), QString("a<br>\r\nb<br>\r\n"));
        QCOMPARE(setLineBreaks(u"a\r\nb", false), QString("a<br>\r\nb"));
        QCOMPARE(setLineBreaks(u"", true), QString());
        const QString once = setLineBreaks(u"one\r\ntwo\r\nthree", true);
        QCOMPARE(once, QString("one<br>\r\ntwo<br>\r\nthree<br>"));
        QCOMPARE(setLineBreaks(once, true), once);
        QCOMPARE(removeBreakTags(once), QString("one\r\ntwo\r\nthree"));
        // The test looks six from the end: a tag at the very end is not seen.
        QCOMPARE(convertBreaks(u"x<br>", true), QString("x<br><br>"));
    }

    void emptyLinesAreHalvedUpToTheBound_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<int>("caret");
        // (the last five characters are never looked at)
        const std::tuple<const char *, const char *, const char *, int> rows[] = {
            {"one empty line", "ab\r\n\r\ncd\r\n", "ab\r\ncd\r\n", 3},
            {"six characters: no step reaches", "a\r\n\r\nb", "a\r\n\r\nb", -1},
            {"three empty lines", "a\r\n\r\n\r\n\r\n", "a\r\n\r\n", 4},
            {"run at the very end", "ab\r\n\r\n", "ab\r\n\r\n", -1}};
        for (const auto &[name, text, outcome, caret] : rows)
            QTest::newRow(name) << QString(text) << QString(outcome) << caret;
    }

    void emptyLinesAreHalvedUpToTheBound()
    {
        QFETCH(QString, text);
        QFETCH(QString, outcome);
        QFETCH(int, caret);
        const EmptyLinesResult result = removeEmptyLines(text);
        QCOMPARE(result.text, outcome);
        QCOMPARE(result.caret, caret);
        // The edit the memo gets turns the old text into the new one and
        // keeps each CR LF whole.
        if (result.deletions > 0) {
            const TextEdit edit = editOf(result.text, text.size(), result.firstChange, result.caret);
            QCOMPARE(QString(text).replace(edit.start, edit.removed, edit.inserted), outcome);
            QCOMPARE(text.at(edit.start), QChar('\r'));
            QVERIFY(edit.inserted.endsWith('\n'));
        }
    }

    // The walk as the steps describe it, reading the changed text at every
    // position, against the linear one, over texts full of line breaks.
    void walkMatchesTheStepByStepOne()
    {
        const auto stepByStep = [](QString text) {
            const qsizetype steps = text.size() - 5;
            for (qsizetype i = 1; i <= steps; ++i) {
                if (text.mid(i - 1, 4) == "\r\n\r\n")
                    text.remove(i, 2);
            }
            return text;
        };
        const QStringList pieces = {"\r\n", "\r\n", "\r\n", "x", "yz"};
        Pseudorandom random{7};
        for (int round = 0; round < 2000; ++round) {
            const QString text = random.text(pieces, 12);
            QCOMPARE(removeEmptyLines(text).text, stepByStep(text));
        }
    }
};

QTEST_GUILESS_MAIN(TestLineBreaks)
#include "tst_linebreaks.moc"
