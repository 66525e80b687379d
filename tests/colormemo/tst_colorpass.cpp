#include "colorpass.h"
#include "displaybreaks.h"
#include "documentrules.h"
#include "drawrules.h"
#include "hotspot.h"
#include "rangetext.h"
#include "runformats.h"
#include "textwindow.h"

#include <QPalette>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>

namespace {

// One pass over a text that is the whole window, nothing selected.
QString passText(TDrawRules &rules, const std::u16string &text, PassView view = {},
                 const THotSpot &hotSpot = THotSpot())
{
    ColorPass pass;
    view.selLength = view.selLength > 0 ? view.selLength : 0;
    return rangeText(pass.run(rules, hotSpot, view, windowOf(text), {}, {}));
}

TColorRule *addKeys(TDrawRules &rules, const QStringList &keys, TColor color, quint8 zOrder = 0)
{
    TColorRule *rule = rules.add();
    rule->setKeyDrawingType(TColorRule::dtKeyShow);
    rule->setPartWord(true);
    rule->setDefKeyColor(color);
    rule->setZOrder(zOrder);
    rule->setKeywords(keys);
    return rule;
}

} // namespace

class ColorPassTest : public QObject
{
    Q_OBJECT

private slots:
    void documentRulesWinners()
    {
        TDrawRules rules;
        setDocumentRules(rules);
        // the quote ending the "<ol start=" key is red, the rest of the key green
        QCOMPARE(passText(rules, u"<ol start=\"1\">"), "0-9:8000 10-10:ff 12-12:ff 13-13:8000");
        // "<!--" is blue inside the geoguide tag, with a red "#"
        QCOMPARE(passText(rules, u"<!--#geoguide-->"), "0-3:ff0000 4-4:ff 5-12:8000 13-15:ff0000");
        // no word boundaries: "text=" colours the end of 'context='
        QCOMPARE(passText(rules, u"context=x"), "3-7:8000");
        QCOMPARE(passText(rules, u"function f() { return; }"),
                 "0-7:ff0000 10-11:ff 13-13:ff0000 15-20:8000 21-21:ff 23-23:ff0000");
        // case is ignored
        QCOMPARE(passText(rules, u"<HTML>"), "0-5:8000");
    }

    void laterRangeWinsAmongEquals()
    {
        TDrawRules rules;
        addKeys(rules, {"abc"}, clGreen);
        addKeys(rules, {"bcd"}, clBlue);
        QCOMPARE(passText(rules, u"abcd"), "0-0:8000 1-3:ff0000");
        TDrawRules ordered;
        addKeys(ordered, {"abc"}, clGreen, 1);
        addKeys(ordered, {"bcd"}, clBlue);
        QCOMPARE(passText(ordered, u"abcd"), "0-2:8000 3-3:ff0000");
    }

    void selectionAndTabsAreLeftToTheView()
    {
        TDrawRules rules;
        addKeys(rules, {"a\tb", "xyz"}, clGreen, 200);
        PassView view;
        view.selStart = 5;
        view.selLength = 2;
        // a tab inside a keyword stays the view's, the letters around it coloured
        QCOMPARE(passText(rules, u"a\tb  xyz", view), "0-0:8000 1-1:80000005 2-2:8000 5-6:ff 7-7:8000");
        view.wantTabs = false;
        QCOMPARE(passText(rules, u"a\tb", view), "0-2:8000");
    }

    void caretLineRange()
    {
        TDrawRules rules;
        addKeys(rules, {"b"}, clGreen);
        PassView view;
        view.redrawAlways = true;
        view.caretLineStart = 0;
        view.selStart = 3;
        QCOMPARE(passText(rules, u"abcdef", view), "0-0:80000008 1-1:8000 2-3:80000008");
    }

    void hotSpots()
    {
        TDrawRules rules;
        THotSpot hotSpot;
        hotSpot.Active = true;
        hotSpot.MarkerColor = clYellow;
        const std::u16string text = u"x\x1Elink\x1Fy \x1E\x1F \x1Eopen";
        QCOMPARE(passText(rules, text, {}, hotSpot), "1-1:ffff 2-5:ff0000 6-6:ffff 9-10:ffff");
        hotSpot.Active = false;
        QCOMPARE(passText(rules, text, {}, hotSpot), "");
        // (the memo's pointer and clicks over a link are tried in a window)
        QVERIFY(!isOverHotSpot(u"see \x1Ehome\x1F", QChar(30), QChar(31)));
        QVERIFY(!hotSpotText(u"\x1E\x1E", 99, QChar(30), QChar(31)));
    }

    void noRulesNoHotSpotsNoRuns()
    {
        TDrawRules rules;
        rules.add()->setKeyDrawingType(TColorRule::dtKeyShow);
        rules.add()->setKeyDrawingType(TColorRule::dtBeginLineEnd);
        ColorPass pass;
        const std::u16string text = u"anything\tat all";
        const auto &runs = pass.run(rules, THotSpot(), {}, windowOf(text), {}, {});
        QCOMPARE(rangeText(runs), "8-8:80000005"); // only the tab, which is never drawn
        QVERIFY(RunFormatter(QPalette(), true, false).forBlock(runs, 0, int(text.size())).isEmpty());
    }

    void runsIgnoreUncoveredCharactersOfLikeColour()
    {
        // black keywords at ZOrder 0 look like uncovered cells: the runs must
        // still be exactly the keywords
        TDrawRules rules;
        addKeys(rules, {"ab"}, clBlack);
        QCOMPARE(passText(rules, u"ab xx ab"), "0-1:0 6-7:0");
    }

    void windowReadsOnlyItsBlocks()
    {
        // "ve" goes on with the line "fi" after a display break
        QTextDocument document(QStringLiteral("one\ntwo\nthree\nfour\nfi\nve"));
        QTextCursor(document.findBlockByNumber(5)).setBlockFormat(DisplayBreaks::continuationFormat());
        const auto block = [&](int number) { return document.findBlockByNumber(number); };
        TextWindow window;
        window.read(block(1), 5, block(2), block(3));
        const ScanWindow scan = window.window();
        QCOMPARE(scan.origin, 5);
        QVERIFY(scan.view() == u"two\r\nthree\r\n");
        QCOMPARE(scan.text[scan.length], u'\0');
        QCOMPARE(window.blocks().size(), 2u);
        QCOMPARE(window.blocks()[1].start, 10);
        window.read(block(3), 17, block(3), QTextBlock());
        QVERIFY(window.window().view() == u"four");
        QCOMPARE(window.blocks()[0].start, 17);
        window.read(block(2), 10, block(1), QTextBlock());
        QCOMPARE(window.window().length, 0);
        // the display lines around the window that go on with its lines are
        // read for keys across the break, but get no colours
        window.read(block(4), 23, block(4), block(5));
        QVERIFY(window.window().view() == u"five");
        QCOMPARE(window.blocks().size(), 1u);
        window.read(block(5), 25, block(5), QTextBlock());
        QVERIFY(window.window().view() == u"five");
        QCOMPARE(window.window().origin, 23);
        QCOMPARE(window.blocks()[0].start, 25);
    }

    void formatsFollowRunsPerBlock()
    {
        const QPalette palette;
        const std::vector<TKeyDescr> runs{
            {0, 7, clGreen, 0, 1}, {9, 9, clRed, 254, 0}, {10, 10, clBlue, 253, 0}, {11, 12, clBlue, 252, 0}};
        // block "abc" at 0 and "defgh" at 5: the first run spans the break
        RunFormatter formatter(palette, true, false);
        const auto first = formatter.forBlock(runs, 0, 3);
        QCOMPARE(first.size(), 1);
        QCOMPARE(first[0].start, 0);
        QCOMPARE(first[0].length, 3);
        QCOMPARE(first[0].format.foreground().color(), QColor(0, 128, 0));
        const auto second = formatter.forBlock(runs, 5, 8);
        QCOMPARE(second.size(), 3); // the selection gets no format
        QCOMPARE(second[0].start, 0);
        QCOMPARE(second[0].length, 3);
        QCOMPARE(second[1].format.background().color(), QColor(0, 0, 255));
        QVERIFY(second[2].format.fontUnderline());
        QCOMPARE(RunFormatter(palette, true, true).forBlock(runs, 5, 8).size(), 2); // keys drawn by handler
        QVERIFY(!RunFormatter(palette, false, false).forBlock(runs, 5, 8)[2].format.fontUnderline());
    }
};

QTEST_GUILESS_MAIN(ColorPassTest)
#include "tst_colorpass.moc"
