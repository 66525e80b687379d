// Tag insertion commands and tag undo on a real memo: the
// caret and selection the commands leave, one level of undo and of "Undo
// undo", and the inputs that must not break them.
#include "colormemo.h"
#include "defaulttags.h"
#include "support/files.h"
#include "support/scripted.h"
#include "tagrunner.h"
#include "tagundo.h"

#include <QBuffer>
#include <QColor>
#include <QImage>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QtTest>

#include <limits>

namespace {

const QString CRLF = QStringLiteral("\r\n");

QString defaultOpening(int n)
{
    return QString::fromLatin1(tagDefault(n).opening);
}

// The shared scripted dialogs, answering the colour dialog too.
class ScriptedColourDialogs : public ScriptedDialogs
{
public:
    QColor chosenColour; // invalid: cancelled
    QList<int> colourHelpContexts;

    QColor color(const QColor &, int helpContext) override
    {
        colourHelpContexts << helpContext;
        return chosenColour;
    }
};

} // namespace

class TagCommandsTest : public QObject
{
    Q_OBJECT

private:
    TColorMemo *memo = nullptr;
    TagUndo *undo = nullptr;

    void run(const char *handler) { runTagCommand(*findTagCommand(handler), *memo, *undo); }
    // Puts text in the memo, selects length characters from start and runs
    // the command.
    void runOn(const char *handler, const QString &text, int start, int length = 0)
    {
        memo->setText(text);
        memo->setSelStart(start);
        memo->setSelLength(length);
        run(handler);
    }
    void boldAroundHello() { runOn("BOLD1Click", QStringLiteral("say Hello now"), 4, 5); }

private slots:
    void init()
    {
        loadDefaultTagsInMemory();
        memo = new TColorMemo;
        undo = new TagUndo(*memo);
    }
    void cleanup()
    {
        delete undo;
        delete memo;
    }

    void wrappingAndTheTemplatePartsCommandsIgnore()
    {
        runOn("BODY1Click", QStringLiteral("Hello"), 0, 5);
        QCOMPARE(memo->text(), defaultOpening(1) + CRLF + "Hello" + CRLF + "</BODY>" + CRLF);
        QCOMPARE(memo->selStart(), 16);
        QCOMPARE(memo->selLength(), 0);
        g_tags.slot(26).back = 3;
        runOn("PREDEFINED1Click", QString(), 0);
        QCOMPARE(memo->text(), QStringLiteral("<BR>\r\n"));
        QCOMPARE(memo->selStart(), 6);
        g_tags.slot(52).closing = QStringLiteral("</OPTION>");
        runOn("Optiontag1Click", QStringLiteral("red"), 0, 3);
        QCOMPARE(memo->text(), defaultOpening(52) + "red" + CRLF);
    }

    void colourInsertsHexWithoutAnUndoPoint()
    {
        ScriptedColourDialogs dialogs;
        dialogs.chosenColour = QColor(0x0A, 0xBC, 0x01);
        boldAroundHello();
        memo->setSelStart(0);
        run("colorbuttonClick");
        QCOMPARE(memo->text(), QStringLiteral("0ABC01say <B>Hello</B> now"));
        QCOMPARE(dialogs.colourHelpContexts.size(), 1);
        undo->undoLastTag();
        QCOMPARE(memo->text(), QStringLiteral("say Hello now"));
    }

    // Mend: a back offset that points outside the text is clamped to it.
    void backOffsetsOutsideTheTextAreClamped()
    {
        for (auto [handler, slot] : {std::pair{"FRAME1Click", 3}, {"BOLD1Click", 21}, {"TABLE1Click", 5}}) {
            for (int back : {-1000, 1000000, std::numeric_limits<qint32>::min()}) {
                g_tags.slot(slot).back = back;
                runOn(handler, QStringLiteral("abc"), 1);
                QVERIFY2(memo->selStart() == (back < 0 ? memo->textLength() : 0), handler);
                QVERIFY(memo->text().startsWith(QLatin1Char('a')) && memo->text().endsWith(QLatin1Char('c')));
            }
        }
        g_tags.slot(21).back = 1000000; // the reselection is kept
        runOn("BOLD1Click", QStringLiteral("abc"), 1, 1);
        QCOMPARE(memo->selStart(), 0);
        QCOMPARE(memo->selLength(), 1);
    }

    // Slot texts with line breaks, 10,000 characters, characters beyond
    // Latin-1, or nothing at all.
    void unusualSlotTexts()
    {
        const QString texts[] = {QStringLiteral("<A\r\nB>\nC\rD"), QString(10000, QLatin1Char('z')),
                                 QStringLiteral("<P title=\"\u20AC\u6F22\U0001F600\">"), QString()};
        for (const QString &opening : texts) {
            g_tags.slot(10).opening = opening;
            g_tags.slot(10).closing = opening.isEmpty() ? QString() : QStringLiteral("</A>");
            g_tags.slot(10).back = 5;
            runOn("LINK1Click", QStringLiteral("me"), 0, 2);
            QString expected = opening + QStringLiteral("me") + g_tags.slot(10).closing + CRLF;
            // The memo keeps every break as CR LF, whatever form it came in.
            expected.replace(CRLF, QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
            QCOMPARE(memo->text(), expected.replace(QStringLiteral("\n"), CRLF));
            QVERIFY(memo->selStart() >= 0 && memo->selStart() <= memo->textLength());
            undo->undoLastTag();
            QCOMPARE(memo->text(), QStringLiteral("me"));
        }
    }

    // Nothing selected (where the default caret offsets must hold), the whole
    // text selected, and an empty document, for every command.
    void everyCommandOnEveryKindOfSelection_data()
    {
        QTest::addColumn<QByteArray>("handler");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("selectAll");
        for (const TagCommand &c : tagCommands()) {
            const QByteArray h(c.handler);
            QTest::newRow((h + " empty document").constData()) << h << QString() << false;
            QTest::newRow((h + " nothing selected").constData()) << h << QStringLiteral("a\r\nb") << false;
            QTest::newRow((h + " all selected").constData()) << h << QStringLiteral("a\r\nb") << true;
        }
    }
    void everyCommandOnEveryKindOfSelection()
    {
        QFETCH(QByteArray, handler);
        QFETCH(QString, text);
        QFETCH(bool, selectAll);
        ScriptedColourDialogs dialogs; // image and colour dialogs are cancelled
        const int start = selectAll ? 0 : std::min(1, int(text.size()));
        runOn(handler.constData(), text, start, selectAll ? int(text.size()) : 0);
        const TagCommand &c = *findTagCommand(handler.constData());
        const QString after = memo->text();
        QVERIFY(memo->selStart() >= 0 && memo->selStart() + memo->selLength() <= memo->textLength());
        if (!selectAll && c.slot > 0 && tagDefault(c.slot).caretOffset >= 0)
            QCOMPARE(memo->selStart() - start, tagDefault(c.slot).caretOffset);
        if (selectAll && !text.isEmpty()) // a selection that stops a command asks nothing
            QVERIFY(dialogs.requests.isEmpty() && dialogs.colourHelpContexts.isEmpty());
        if (c.pattern == TagPattern::Colour) {
            QCOMPARE(after, text);
        } else if (undo->canUndoLastTag()) {
            // The text is wrapped or kept, never lost.
            QVERIFY(selectAll ? after.contains(text)
                              : after.startsWith(text.left(start)) && after.endsWith(text.mid(start)));
            undo->undoLastTag();
            QCOMPARE(memo->text(), text);
        } else {
            QVERIFY(selectAll && !text.isEmpty());
            QCOMPARE(after, text);
            QCOMPARE(memo->selLength(), memo->textLength());
        }
    }

    // Mend: an unreadable picture is named in an error box, its name stays
    // inserted and no size numbers are.
    void imageInsertsNameAndSize()
    {
        QTemporaryDir dir;
        ScriptedColourDialogs dialogs;
        ScriptedMessages messages;
        const auto insert = [&](const QString &name, const QByteArray &content) {
            writeFile(dir.filePath(name), content);
            dialogs.openAnswers << QStringList{dir.filePath(name)};
            memo->setText(QString());
            run("IMG1Click");
            QVERIFY(undo->canUndoLastTag());
        };
        const QString tag =
            QStringLiteral("<IMG src=\"%1\" border=\"\" align=\"\" height=\"%2\" width=\"%3\" name=\"\">\r\n");
        QImage picture(37, 21, QImage::Format_RGB32);
        picture.fill(Qt::blue);
        QBuffer jpeg;
        QVERIFY(jpeg.open(QIODevice::WriteOnly) && picture.save(&jpeg, "JPG"));
        insert("pic.jpg", jpeg.data());
        QCOMPARE(memo->text(), tag.arg(u"pic.jpg"_qs, u"21"_qs, u"37"_qs));
        QCOMPARE(memo->selStart(), memo->text().indexOf(QStringLiteral("name=\"")) + 6);
        QVERIFY(messages.shown.isEmpty());
        insert("text.jpg", "hello world");
        QCOMPARE(memo->text(), tag.arg(u"text.jpg"_qs, QString(), QString()));
        QCOMPARE(memo->selStart(), 18);
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(messages.shown[0].kind, Messages::Kind::Error);
        QVERIFY2(messages.shown[0].text.contains(dir.filePath("text.jpg")), qPrintable(messages.shown[0].text));
        QCOMPARE(dialogs.requests.size(), 2);
    }

    // Tag undo.

    void undoAndUndoUndoRestoreTextAndCaret()
    {
        QSignalSpy availability(undo, &TagUndo::availabilityChanged);
        boldAroundHello();
        memo->setSelStart(1);
        memo->setModified(false);
        undo->undoLastTag();
        QCOMPARE(memo->text(), QStringLiteral("say Hello now"));
        QCOMPARE(memo->selStart(), 4);
        QCOMPARE(memo->selLength(), 0);
        QVERIFY(memo->modified());
        memo->setSelStart(2); // the caret at undo time was the one after the tag's
        undo->undoUndo();
        QCOMPARE(memo->text(), QStringLiteral("say <B>Hello</B> now"));
        QCOMPARE(memo->selStart(), 1);
        undo->undoLastTag();
        undo->recordPoint(); // a new point leaves "Undo undo" as it was
        undo->recordPoint(); // no change, no signal
        QList<QPair<bool, bool>> states;
        for (const QList<QVariant> &signal : availability)
            states << qMakePair(signal[0].toBool(), signal[1].toBool());
        QCOMPARE(states,
                 (QList<QPair<bool, bool>>{{true, false}, {false, true}, {true, false}, {false, true}, {true, true}}));
    }

    void hundredPressesInARow()
    {
        // typing after a tag goes with it and comes back
        boldAroundHello();
        memo->setSelStart(memo->textLength());
        memo->insertPlainText(QStringLiteral(" and more\ntyped"));
        const QString after = memo->text();
        for (int i = 0; i < 100; ++i)
            undo->undoLastTag();
        QCOMPARE(memo->text(), QStringLiteral("say Hello now"));
        for (int i = 0; i < 100; ++i)
            undo->undoUndo();
        QCOMPARE(memo->text(), after);
        QVERIFY(undo->canUndoLastTag());
    }

    void theControlsOwnHistoryIsNotUsedAndLineBreaksSurvive()
    {
        memo->setText(QStringLiteral("one\r\ntwo\r\n\r\nthree"));
        memo->setSelStart(10); // the empty line, in CR LF positions
        memo->insertPlainText(QStringLiteral("y"));
        QVERIFY(memo->document()->isUndoAvailable());
        run("PARAGRAPH1Click");
        QVERIFY(!memo->document()->isUndoAvailable());
        QVERIFY(memo->document()->isUndoRedoEnabled());
        undo->undoLastTag();
        QVERIFY(!memo->document()->isUndoAvailable());
        QCOMPARE(memo->text(), QStringLiteral("one\r\ntwo\r\ny\r\nthree"));
        QCOMPARE(memo->selStart(), 11);
    }
};

QTEST_MAIN(TagCommandsTest)
#include "tst_tagcommands.moc"
