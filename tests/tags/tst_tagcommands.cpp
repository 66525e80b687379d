// Tag insertion commands run on a real memo: the patterns, the caret and
// selection they leave, and the inputs that must not break them.
#include "colormemo.h"
#include "defaulttags.h"
#include "homelink.h"
#include "colourdialogs.h"
#include "tagpatterns.h"
#include "tagrunner.h"
#include "tagtable.h"
#include "tagundo.h"

#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString CRLF = QStringLiteral("\r\n");

const TagCommand &command(const char *handler)
{
    const TagCommand *found = findTagCommand(handler);
    Q_ASSERT(found);
    return *found;
}

QString defaultOpening(int n) { return QString::fromLatin1(tagDefault(n).opening); }

} // namespace

class TagCommandsTest : public QObject
{
    Q_OBJECT

private:
    TColorMemo *memo = nullptr;
    TagUndo *undo = nullptr;

    void run(const char *handler) { runTagCommand(command(handler), *memo, *undo); }
    void select(int start, int length)
    {
        memo->setSelStart(start);
        memo->setSelLength(length);
    }

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

    void bodyWrapsSelectionAndLandsInBgcolor()
    {
        memo->setText(QStringLiteral("Hello"));
        select(0, 5);
        run("BODY1Click");
        QCOMPARE(memo->text(), defaultOpening(1) + CRLF + "Hello" + CRLF + "</BODY>" + CRLF);
        QCOMPARE(memo->selStart(), 16);
        QCOMPARE(memo->selLength(), 0);
    }

    void defaultCaretOffsetsHoldAtABareCaret_data()
    {
        QTest::addColumn<QByteArray>("handler");
        for (const TagCommand &c : tagCommands()) {
            if (c.slot > 0 && c.pattern != TagPattern::Image && tagDefault(c.slot).caretOffset >= 0)
                QTest::newRow(c.handler) << QByteArray(c.handler);
        }
    }
    void defaultCaretOffsetsHoldAtABareCaret()
    {
        QFETCH(QByteArray, handler);
        const TagCommand &c = command(handler.constData());
        memo->setText(QStringLiteral("ab"));
        memo->setSelStart(1);
        run(handler.constData());
        QCOMPARE(memo->selStart() - 1, tagDefault(c.slot).caretOffset);
        QVERIFY(undo->canUndoLastTag());
    }

    void boldReselectsTheWrappedText()
    {
        memo->setText(QStringLiteral("x"));
        select(0, 1);
        run("BOLD1Click");
        QCOMPARE(memo->text(), QStringLiteral("<B>x</B>"));
        QCOMPARE(memo->selStart(), 3);
        QCOMPARE(memo->selLength(), 1);
        QCOMPARE(memo->selText(), QStringLiteral("x"));
    }

    void bareCaretCommandsIgnoreASelection_data()
    {
        QTest::addColumn<QByteArray>("handler");
        for (const char *h : {"FRAME1Click", "IMG1Click", "EMBED2Click", "DESCRIPTION1Click",
                              "REDIRECT1Click", "Inputtag1Click", "CSSLink1Click", "Counter1Click",
                              "Styleinline1Click", "Framebreakout1Click", "Javasriptnoerror1Click",
                              "Space1Click", "intext1Click", "intext2Click", "colorbuttonClick"})
            QTest::newRow(h) << QByteArray(h);
    }
    void bareCaretCommandsIgnoreASelection()
    {
        QFETCH(QByteArray, handler);
        ScriptedColourDialogs dialogs;
        dialogs.chosenColour = Qt::red;
        memo->setText(QStringLiteral("one two"));
        select(4, 3);
        run(handler.constData());
        QCOMPARE(memo->text(), QStringLiteral("one two"));
        QCOMPARE(memo->selText(), QStringLiteral("two"));
        QVERIFY(!undo->canUndoLastTag());
        QVERIFY(dialogs.requests.isEmpty());
        QVERIFY(dialogs.colourHelpContexts.isEmpty());
    }

    void lineBreakIgnoresAUserBackOffset()
    {
        g_tags.slot(26).back = 3;
        run("PREDEFINED1Click");
        QCOMPARE(memo->text(), QStringLiteral("<BR>\r\n"));
        QCOMPARE(memo->selStart(), 6);
    }

    void definitionItemAtABareCaret()
    {
        run("definitionitem1Click");
        QCOMPARE(memo->text(), QStringLiteral("<DD>\r\n\r\n"));
        QCOMPARE(memo->selStart(), 4);
    }

    void optionTagNeverInsertsAClosingText()
    {
        g_tags.slot(52).closing = QStringLiteral("</OPTION>");
        memo->setText(QStringLiteral("red"));
        select(0, 3);
        run("Optiontag1Click");
        QCOMPARE(memo->text(), defaultOpening(52) + "red" + CRLF);
    }

    void scriptAndStyleBlocksWrapInComments()
    {
        memo->setText(QStringLiteral("s"));
        select(0, 1);
        run("SCRIPT1Click");
        QCOMPARE(memo->text(), defaultOpening(12) + CRLF + "<!--" + CRLF + "s" + CRLF + "//-->" + CRLF
                                   + "</SCRIPT>" + CRLF);
        memo->setText(QString());
        run("styledocClick");
        QCOMPARE(memo->text(), defaultOpening(39) + CRLF + "<!--" + CRLF + " " + CRLF + "//-->" + CRLF
                                   + "</STYLE>" + CRLF);
        // The caret lands at the start of the line holding the blank.
        QCOMPARE(memo->selStart(), defaultOpening(39).size() + 2 + 4 + 2);
    }

    void userDefinedTagInsertsItsDashes()
    {
        memo->setText(QStringLiteral("s"));
        select(0, 1);
        run("def0Click");
        QCOMPARE(memo->text(), QStringLiteral("----------s"));
    }

    void installAllEmptiesTheUserDefinedTags()
    {
        installAllTags();
        memo->setText(QStringLiteral("keep"));
        memo->setSelStart(2);
        run("def3Click");
        QCOMPARE(memo->text(), QStringLiteral("keep"));
        QCOMPARE(memo->selStart(), 2);
    }

    void literalsAtTheCaret()
    {
        memo->setText(QStringLiteral("ab"));
        memo->setSelStart(1);
        run("Space1Click");
        run("intext1Click");
        run("intext2Click");
        QCOMPARE(memo->text(), QStringLiteral("a&nbsp;&lt;&gt;b"));
        QCOMPARE(memo->selStart(), 15);
    }

    void getColourInsertsHexWithoutUndoPoint()
    {
        ScriptedColourDialogs dialogs;
        dialogs.chosenColour = QColor(255, 0, 0);
        run("colorbuttonClick");
        QCOMPARE(memo->text(), QStringLiteral("FF0000"));
        QCOMPARE(dialogs.colourHelpContexts, QList<int>{1074});
        QVERIFY(!undo->canUndoLastTag());
        QCOMPARE(colourDigits(0x0A, 0xBC, 0x01), QStringLiteral("0ABC01"));
    }

    void cancelledColourInsertsNothing()
    {
        ScriptedColourDialogs dialogs;
        run("colorbuttonClick");
        QCOMPARE(memo->text(), QString());
    }

    void homeLinkInAnEmptyDocument()
    {
        memo->setModified(false);
        run("LinktoQuendel1Click");
        const QString text = memo->text();
        QCOMPARE(text, homeLinkBlock());
        QCOMPARE(text.count(CRLF), 2);
        QVERIFY(text.startsWith(QStringLiteral("<center>\r\n<a style=\"text-decoration: none\" href=\"")));
        QVERIFY(text.contains(productSiteAddress() + QStringLiteral("/download.html\" target=\"_top\"")));
        QVERIFY(text.contains(productSiteAddress()
                              + QStringLiteral("/quendoban.gif\" border=0 height=\"68\" width=\"460\""
                                               " alt=\"quendo.gif 236 bytes\"><br>The home of Quendel</a>\r\n</center>")));
        QVERIFY(text.endsWith(QStringLiteral("</center>")));
        QCOMPARE(memo->selStart(), text.size());
        QVERIFY(memo->modified());
    }

    void homeLinkWithASelectionOnlyRecordsTheUndoPoint()
    {
        memo->setText(QStringLiteral("word"));
        select(0, 4);
        run("LinktoQuendel1Click");
        QCOMPARE(memo->text(), QStringLiteral("word"));
        QVERIFY(undo->canUndoLastTag());
        undo->undoLastTag();
        QCOMPARE(memo->text(), QStringLiteral("word"));
    }

    void homeLinkSiteIsConfigurable()
    {
        qputenv("QUENDEL_SITE", "http://example.test");
        const QString block = homeLinkBlock();
        qunsetenv("QUENDEL_SITE");
        QVERIFY(block.contains(QStringLiteral("href=\"http://example.test/download.html\"")));
        QVERIFY(block.contains(QStringLiteral("src=\"http://example.test/quendoban.gif\"")));
        QVERIFY(!homeLinkBlock().contains(QStringLiteral("example.test")));
    }

    // The commands' own ways of going wrong.

    void backOffsetsOutsideTheTextAreClamped_data()
    {
        QTest::addColumn<QByteArray>("handler");
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("back");
        QTest::addColumn<bool>("atEnd");
        QTest::newRow("frame -1000") << QByteArray("FRAME1Click") << 3 << -1000 << true;
        QTest::newRow("frame 1000000") << QByteArray("FRAME1Click") << 3 << 1000000 << false;
        QTest::newRow("bold -1000") << QByteArray("BOLD1Click") << 21 << -1000 << true;
        QTest::newRow("bold 1000000") << QByteArray("BOLD1Click") << 21 << 1000000 << false;
        QTest::newRow("table -1000") << QByteArray("TABLE1Click") << 5 << -1000 << true;
        QTest::newRow("table 1000000") << QByteArray("TABLE1Click") << 5 << 1000000 << false;
    }
    void backOffsetsOutsideTheTextAreClamped()
    {
        QFETCH(QByteArray, handler);
        QFETCH(int, slot);
        QFETCH(int, back);
        QFETCH(bool, atEnd);
        g_tags.slot(slot).back = back;
        memo->setText(QStringLiteral("ab"));
        memo->setSelStart(1);
        run(handler.constData());
        QCOMPARE(memo->selStart(), atEnd ? memo->textLength() : 0);
        QVERIFY(memo->text().startsWith(QLatin1Char('a')));
        QVERIFY(memo->text().endsWith(QLatin1Char('b')));
    }

    void clampingKeepsTheReselection()
    {
        g_tags.slot(21).back = 1000000;
        memo->setText(QStringLiteral("xy"));
        select(0, 1);
        run("BOLD1Click");
        QCOMPARE(memo->selStart(), 0);
        QCOMPARE(memo->selLength(), 1);
    }

    void planCaretIsClampedWithoutAMemo()
    {
        TagSlot slot;
        slot.opening = QStringLiteral("<X>");
        slot.back = -1000;
        TagPlan plan = planTag(command("FRAME1Click"), slot, QString(), 0);
        QCOMPARE(caretAfter(plan, 2, 7), 7);
        plan.back = 1000000;
        QCOMPARE(caretAfter(plan, 2, 7), 0);
        plan.back = 2;
        QCOMPARE(caretAfter(plan, 2, 7), 5);
        plan.back = std::numeric_limits<qint32>::min();
        QCOMPARE(caretAfter(plan, 2, 7), 7);
    }

    void emptySlotInsertsOnlyTheFixedParts()
    {
        for (int n : {1, 21, 38}) {
            g_tags.slot(n).opening.clear();
            g_tags.slot(n).closing.clear();
        }
        memo->setText(QStringLiteral("s"));
        select(0, 1);
        run("BODY1Click");
        QCOMPARE(memo->text(), QStringLiteral("\r\ns\r\n\r\n"));
        memo->setText(QStringLiteral("t"));
        memo->setSelStart(1);
        run("BOLD1Click");
        run("Styleinline1Click");
        QCOMPARE(memo->text(), QStringLiteral("t"));
        QVERIFY(undo->canUndoLastTag());
    }

    void unusualSlotTexts_data()
    {
        QTest::addColumn<QString>("opening");
        QTest::newRow("line breaks") << QStringLiteral("<A\r\nB>\nC\rD");
        QTest::newRow("10000 characters") << QString(10000, QLatin1Char('z'));
        QTest::newRow("beyond Latin-1") << QStringLiteral("<P title=\"\u20AC\u6F22\U0001F600\">");
    }
    void unusualSlotTexts()
    {
        QFETCH(QString, opening);
        g_tags.slot(10).opening = opening;
        g_tags.slot(10).back = 5;
        memo->setText(QStringLiteral("me"));
        select(0, 2);
        run("LINK1Click");
        QString expected = opening + QStringLiteral("me</A>\r\n");
        // The memo keeps every break as CR LF, whatever form it came in.
        expected.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
        expected.replace(QStringLiteral("\n"), CRLF);
        QCOMPARE(memo->text(), expected);
        QVERIFY(memo->selStart() >= 0 && memo->selStart() <= memo->textLength());
        undo->undoLastTag();
        QCOMPARE(memo->text(), QStringLiteral("me"));
    }

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
        memo->setText(text);
        if (selectAll)
            select(0, memo->textLength());
        else
            memo->setSelStart(memo->textLength());
        run(handler.constData());
        const TagCommand &c = command(handler.constData());
        const QString after = memo->text();
        QVERIFY(memo->selStart() >= 0 && memo->selStart() + memo->selLength() <= memo->textLength());
        if (c.pattern == TagPattern::Colour) {
            QCOMPARE(after, text);
        } else if (undo->canUndoLastTag()) {
            QVERIFY(after.contains(text)); // the text is wrapped or kept, never lost
            undo->undoLastTag();
            QCOMPARE(memo->text(), text);
        } else {
            QVERIFY(selectAll && !text.isEmpty());
            QCOMPARE(after, text);
        }
    }

    // The image command.

    void imageInsertsNameHeightAndWidth()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("pic.jpg"));
        QImage picture(37, 21, QImage::Format_RGB32);
        picture.fill(Qt::blue);
        QVERIFY(picture.save(path, "JPG"));
        ScriptedColourDialogs dialogs;
        dialogs.openAnswers << QStringList{path};
        memo->setText(QStringLiteral("x"));
        memo->setSelStart(1);
        run("IMG1Click");
        QCOMPARE(memo->text(), QStringLiteral("x<IMG src=\"pic.jpg\" border=\"\" align=\"\" height=\"21\""
                                              " width=\"37\" name=\"\">\r\n"));
        QCOMPARE(memo->selStart(), memo->text().indexOf(QStringLiteral("name=\"")) + 6);
        QCOMPARE(dialogs.requests.size(), 1);
        QCOMPARE(dialogs.requests[0].title, QStringLiteral("Choose image to insert"));
        QCOMPARE(dialogs.requests[0].filter, QStringLiteral("Browser supported images|*.gif; *.jpg"));
        QCOMPARE(dialogs.requests[0].helpContext, 1032);
    }

    void imageCancelledKeepsTheTag()
    {
        ScriptedColourDialogs dialogs;
        run("IMG1Click");
        QCOMPARE(memo->text(), defaultOpening(9) + CRLF);
        QCOMPARE(memo->selStart(), 10);
    }

    void unreadablePictureNamesTheFileAndKeepsItsName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("zero bytes") << QStringLiteral("empty.jpg") << QByteArray();
        QTest::newRow("not a picture") << QStringLiteral("text.jpg") << QByteArray("hello world");
        QTest::newRow("GIF named .jpg") << QStringLiteral("gif.jpg") << QByteArray("GIF89a\x05\x00\x05\x00\x00\x00\x00;", 14);
        QTest::newRow("cut-off JPEG") << QStringLiteral("cut.jpg") << QByteArray("\xFF\xD8\xFF\xE0\x00\x10JFIF", 10);
    }
    void unreadablePictureNamesTheFileAndKeepsItsName()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        ScriptedColourDialogs dialogs;
        dialogs.openAnswers << QStringList{path};
        ScriptedMessages messages;
        run("IMG1Click");
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(messages.shown[0].kind, Messages::Kind::Error);
        QVERIFY2(messages.shown[0].text.contains(QDir::toNativeSeparators(path)), qPrintable(messages.shown[0].text));
        QCOMPARE(memo->text(), QStringLiteral("<IMG src=\"") + name
                                   + QStringLiteral("\" border=\"\" align=\"\" height=\"\" width=\"\" name=\"\">\r\n"));
        QCOMPARE(memo->selStart(), 10 + name.size());
        QVERIFY(undo->canUndoLastTag());
    }
};

QTEST_MAIN(TagCommandsTest)
#include "tst_tagcommands.moc"
