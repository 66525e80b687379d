// Tag undo: one level of undo and of "Undo undo" on whole-text snapshots.
#include "colormemo.h"
#include "memoedit.h"
#include "colourdialogs.h"
#include "tagrunner.h"
#include "tagtable.h"
#include "tagundo.h"

#include <QSignalSpy>
#include <QTextDocument>
#include <QtTest>

class TagUndoTest : public QObject
{
    Q_OBJECT

private:
    TColorMemo *memo = nullptr;
    TagUndo *undo = nullptr;

    void run(const char *handler) { runTagCommand(*findTagCommand(handler), *memo, *undo); }
    void boldAroundHello()
    {
        memo->setText(QStringLiteral("say Hello now"));
        memo->setSelStart(4);
        memo->setSelLength(5);
        run("BOLD1Click");
    }

private slots:
    void init()
    {
        g_tags.slot(21) = TagSlot{QStringLiteral("<B>"), QStringLiteral("</B>"), 4, 0};
        g_tags.slot(23) = TagSlot{QStringLiteral("<P align=\"\">"), QStringLiteral("</P>"), 8, 2};
        memo = new TColorMemo;
        undo = new TagUndo(*memo);
    }
    void cleanup()
    {
        delete undo;
        delete memo;
    }

    void nothingAvailableAtFirst()
    {
        memo->setText(QStringLiteral("loaded file"));
        QVERIFY(!undo->canUndoLastTag());
        QVERIFY(!undo->canUndoUndo());
    }

    void undoRestoresTextAndCaret()
    {
        boldAroundHello();
        QCOMPARE(memo->text(), QStringLiteral("say <B>Hello</B> now"));
        memo->setModified(false);
        undo->undoLastTag();
        QCOMPARE(memo->text(), QStringLiteral("say Hello now"));
        QCOMPARE(memo->selStart(), 4);
        QCOMPARE(memo->selLength(), 0);
        QVERIFY(!undo->canUndoLastTag());
        QVERIFY(undo->canUndoUndo());
        QVERIFY(memo->modified());
    }

    void undoUndoBringsBackTheTextOfTheUndoMoment()
    {
        boldAroundHello();
        memo->setSelStart(1);
        undo->undoLastTag();
        memo->setSelStart(2); // the caret at undo time was the one after the tag's
        undo->undoUndo();
        QCOMPARE(memo->text(), QStringLiteral("say <B>Hello</B> now"));
        QCOMPARE(memo->selStart(), 1);
        QVERIFY(undo->canUndoLastTag());
        QVERIFY(!undo->canUndoUndo());
        undo->undoLastTag();
        QCOMPARE(memo->text(), QStringLiteral("say Hello now"));
    }

    void onlyTheLastOfTwoTagsIsUndone()
    {
        boldAroundHello();
        memo->setSelStart(0);
        run("PARAGRAPH1Click");
        undo->undoLastTag();
        QCOMPARE(memo->text(), QStringLiteral("say <B>Hello</B> now"));
    }

    void typingAfterATagGoesWithItAndComesBack()
    {
        boldAroundHello();
        memo->setSelStart(memo->textLength());
        memo->insertPlainText(QStringLiteral(" and more\ntyped"));
        const QString typed = memo->text();
        undo->undoLastTag();
        QCOMPARE(memo->text(), QStringLiteral("say Hello now"));
        undo->undoUndo();
        QCOMPARE(memo->text(), typed);
    }

    void getColourRecordsNoUndoPoint()
    {
        ScriptedColourDialogs dialogs;
        dialogs.chosenColour = Qt::red;
        boldAroundHello();
        memo->setSelStart(0);
        run("colorbuttonClick");
        QCOMPARE(memo->text(), QStringLiteral("FF0000say <B>Hello</B> now"));
        undo->undoLastTag();
        QCOMPARE(memo->text(), QStringLiteral("say Hello now"));
    }

    void undoOfAnUnchangedTextStillMarksTheDocument()
    {
        memo->setText(QStringLiteral("same"));
        memo->setSelStart(2);
        undo->recordPoint();
        memo->setModified(false);
        QSignalSpy changes(memo, &QPlainTextEdit::textChanged);
        undo->undoLastTag();
        QCOMPARE(memo->text(), QStringLiteral("same"));
        QCOMPARE(memo->selStart(), 2);
        QVERIFY(memo->modified());
        QVERIFY(changes.count() >= 1);
    }

    void availabilitySignalFollowsTheStates()
    {
        QSignalSpy spy(undo, &TagUndo::availabilityChanged);
        undo->recordPoint();
        undo->recordPoint(); // no change, no signal
        undo->undoLastTag();
        undo->recordPoint(); // a new point leaves "Undo undo" as it was
        undo->undoUndo();
        QCOMPARE(spy.count(), 4);
        const QList<QPair<bool, bool>> expected{{true, false}, {false, true}, {true, true}, {true, false}};
        for (int i = 0; i < spy.count(); ++i) {
            QCOMPARE(spy[i][0].toBool(), expected[i].first);
            QCOMPARE(spy[i][1].toBool(), expected[i].second);
        }
    }

    void pressesWhileUnavailableLoseNothing()
    {
        memo->setText(QStringLiteral("a whole file"));
        undo->undoUndo();
        undo->undoLastTag();
        QCOMPARE(memo->text(), QStringLiteral("a whole file"));
        QVERIFY(!undo->canUndoLastTag());
        QVERIFY(!undo->canUndoUndo());
    }

    void hundredPressesInARow()
    {
        boldAroundHello();
        memo->insertPlainText(QStringLiteral("typed"));
        const QString after = memo->text();
        for (int i = 0; i < 100; ++i)
            undo->undoLastTag();
        QCOMPARE(memo->text(), QStringLiteral("say Hello now"));
        for (int i = 0; i < 100; ++i)
            undo->undoUndo();
        QCOMPARE(memo->text(), after);
        for (int i = 0; i < 100; ++i) {
            undo->undoLastTag();
            undo->undoUndo();
        }
        QCOMPARE(memo->text(), after);
        QVERIFY(undo->canUndoLastTag());
    }

    void theControlsOwnHistoryIsNotUsed()
    {
        memo->setText(QStringLiteral("x"));
        memo->insertPlainText(QStringLiteral("y"));
        QVERIFY(memo->document()->isUndoAvailable());
        run("BOLD1Click");
        QVERIFY(!memo->document()->isUndoAvailable());
        QVERIFY(memo->document()->isUndoRedoEnabled());
        undo->undoLastTag();
        QVERIFY(!memo->document()->isUndoAvailable());
    }

    void onlyTheDifferingPartIsRewritten_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::newRow("shorter repeat") << QStringLiteral("aaaa") << QStringLiteral("aa");
        QTest::newRow("longer repeat") << QStringLiteral("abab") << QStringLiteral("ababab");
        QTest::newRow("to empty") << QStringLiteral("x\ny") << QString();
        QTest::newRow("from empty") << QString() << QStringLiteral("x\ny");
        QTest::newRow("line breaks") << QStringLiteral("a\n\nb") << QStringLiteral("a\nb\n");
        QTest::newRow("beyond Latin-1") << QStringLiteral("\u20AC\U0001F600") << QStringLiteral("\U0001F600\u20AC");
        QTest::newRow("same") << QStringLiteral("same") << QStringLiteral("same");
    }
    void onlyTheDifferingPartIsRewritten()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        memo->setPlainText(from);
        QTextDocument target;
        target.setPlainText(to);
        replaceRawText(*memo, target.toRawText());
        QCOMPARE(memo->toPlainText(), to);
        QCOMPARE(memo->document()->toRawText(), target.toRawText());
    }

    void lineBreaksAndCaretSurviveTheRoundTrip()
    {
        memo->setText(QStringLiteral("one\r\ntwo\r\n\r\nthree"));
        memo->setSelStart(10); // the empty line, in CR LF positions
        run("PARAGRAPH1Click");
        undo->undoLastTag();
        QCOMPARE(memo->text(), QStringLiteral("one\r\ntwo\r\n\r\nthree"));
        QCOMPARE(memo->selStart(), 10);
    }
};

QTEST_MAIN(TagUndoTest)
#include "tst_tagundo.moc"
