#include "colorfromtext.h"
#include "colorrule.h"
#include "drawrules.h"
#include "keydescrlist.h"
#include "rangetext.h"
#include "rulestore.h"

#include <QTest>

class ColorRulesTest : public QObject
{
    Q_OBJECT

private slots:
    void colourTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<uint>("color");
        QTest::newRow("padded name") << " Navy " << 0x800000u;
        QTest::newRow("hash") << "#000080" << 0x800000u;
        QTest::newRow("dollar") << "$FF8000" << 0x0080FFu;
        QTest::newRow("toolkit name") << "clRed" << 0xFFFFFFu;
        QTest::newRow("garbage") << "#zz!\x01" << 0xFFFFFFu;
        QTest::newRow("c prefix refused") << "0x12" << 0xFFFFFFu;
        QTest::newRow("too long") << "123456789ABCDEF" << 0xFFFFFFu;
    }

    void colourTexts()
    {
        QFETCH(QString, text);
        QFETCH(uint, color);
        QCOMPARE(ColorFromText(text), color);
    }

    // A colour byte that is '*' must not cut the walk over the compiled keys.
    void keyColourByteOfAStar()
    {
        TColorRule star;
        star.setKeyDrawingType(TColorRule::dtKeyShow);
        star.setPartWord(true);
        star.setKeywords({"a;#00002A", "b"});
        QCOMPARE(scanText(star, u"a b"), "0-0:2a0000 2-2:ff 2-2:ff");
    }

    void keywordBoundaries()
    {
        TColorRule rule;
        rule.setKeyDrawingType(TColorRule::dtKeyShow);
        rule.setKeywords({"text="});
        // each key appears twice in the compiled string (own colour, then the
        // whole line), so every hit is stored twice
        QCOMPARE(scanText(rule, u"<body text=\"red\" TEXT=\"x\">"), "6-10:ff 17-21:ff 6-10:ff 17-21:ff");
        QCOMPARE(scanText(rule, u"context=\"x\""), "");
        QCOMPARE(scanText(rule, u"1text=\"x\""), "1-5:ff 1-5:ff");
        QCOMPARE(scanText(rule, u"@text=1"), "");
        QCOMPARE(scanText(rule, u"text=red"), "");
        QCOMPARE(scanText(rule, u"_text=1"), "1-5:ff 1-5:ff");
        rule.setPartWord(true);
        QCOMPARE(scanText(rule, u"context=red"), "3-7:ff 3-7:ff");
    }

    void keywordCaseAndColours()
    {
        TColorRule rule;
        rule.setKeyDrawingType(TColorRule::dtKeyShow);
        rule.setKeyCase(true);
        rule.setKeywords({"text="});
        QCOMPARE(scanText(rule, u"Text= text="), "6-10:ff 6-10:ff");
        TColorRule colours;
        colours.setKeyDrawingType(TColorRule::dtKeyShow);
        colours.setDefKeyColor(clGreen);
        colours.setKeywords({"<b>;blue", ";", "x", "x"});
        // '<b>' in blue; the whole line '<b>;blue' as a key in the default colour
        QCOMPARE(scanText(colours, u"<b>"), "0-2:ff0000");
        // (';' is followed by a letter there, so the ';' key does not count)
        QCOMPARE(scanText(colours, u"<b>;blue"), "0-2:ff0000 0-7:8000");
        QCOMPARE(scanText(colours, u"a ; b"), "2-2:8000");
        // a keyword listed twice is found twice
        QCOMPARE(scanText(colours, u" x "), "1-1:8000 1-1:8000 1-1:8000 1-1:8000");
        // characters beyond a to z are matched as they are, whatever the case
        TColorRule wide;
        wide.setKeyDrawingType(TColorRule::dtKeyShow);
        wide.setKeywords({u"\u20ACuro"_qs, u"na\u00EFve"_qs});
        QCOMPARE(scanText(wide, u"\u20ACURO na\u00EFve \u20ACur NA\u00CFVE"), "0-3:ff 0-3:ff 5-9:ff 5-9:ff");
        // occurrences of one key never overlap
        TColorRule repeat;
        repeat.setKeyDrawingType(TColorRule::dtKeyShow);
        repeat.setPartWord(true);
        repeat.setKeywords({";;", ""});
        // (a line starting with ';' has no key part: the whole line is the key)
        QCOMPARE(scanText(repeat, u";;;;;"), "0-1:ff 2-3:ff");
    }

    void beginEndPairs()
    {
        TColorRule rule;
        rule.setKeyBegEndLst({"<!--;-->;gray"});
        QCOMPARE(scanText(rule, u"<!-- a -->"), "0-9:808080");
        QCOMPARE(scanText(rule, u"<!-->"), "0-4:808080");
        QCOMPARE(scanText(rule, u"<!--x--> <!-- a"), "0-7:808080");
        QCOMPARE(scanText(rule, u"a <!--\r\nb\r\n--> c"), "2-13:808080");
        TColorRule same;
        same.setKeyBegEndLst({"ab;c;red", "a;b;blue"});
        QCOMPARE(scanText(same, u"abc ab"), "0-2:ff");
        // an empty end key colours the begin key's first character
        TColorRule emptyEnd;
        emptyEnd.setKeyBegEndLst({"q;"});
        QCOMPARE(scanText(emptyEnd, u"qq"), "0-0:ff");
        // begin keys are cut to six characters
        TColorRule longKey;
        longKey.setKeyBegEndLst({"<script>;</script>"});
        QCOMPARE(longKey.markerTable()[0].beginKey, u"<scrip");
        QCOMPARE(longKey.markerTable()[0].endKey, u"</scri");
    }

    void lineEndKeys()
    {
        TColorRule rule;
        rule.setKeyDrawingType(TColorRule::dtBeginLineEnd);
        rule.setKeyLineEndLst({"//"});
        QCOMPARE(scanText(rule, u"x // note\r\ny // end"), "2-8:ff 13-18:ff");
        rule.setKeyLineEndLst({"//;green", ";;", "rem"});
        QCOMPARE(scanText(rule, u"a;b\r\nrem x\r\n//"), "1-2:ff 5-9:ff 12-13:8000");
    }

    void markerListsStopAtEmptyLineAndFortieth()
    {
        QStringList lines;
        for (int i = 0; i < 45; ++i)
            lines << QStringLiteral("k%1;e").arg(i, 2, 10, QChar(u'0'));
        TColorRule rule;
        rule.setKeyBegEndLst(lines);
        QCOMPARE(scanText(rule, u"k39e"), "0-3:ff");
        QCOMPARE(scanText(rule, u"k40e"), "");
        lines[1] = "no semicolon";
        rule.setKeyBegEndLst(lines);
        QCOMPARE(scanText(rule, u"k00e k02e"), "0-3:ff");
    }

    void eventDrawRanges()
    {
        TColorRule rule;
        rule.setKeyDrawingType(TColorRule::dtEventDraw);
        rule.setZOrder(7);
        std::vector<TKeyDescr> descriptors(3);
        TColorRule *seen = nullptr;
        const TDrawEvent onDraw = [&](TColorRule *sender, std::u16string_view window, std::span<TKeyDescr> a,
                                      int &count) {
            seen = sender;
            QCOMPARE(window.data()[window.size()], u'\0');
            QCOMPARE(a.size(), 3u);
            a[0] = {-100, 2, clBlue, 0, 0};
            a[1] = {3, INT_MAX, clGreen, 9, 0}; // both cut to the window
            a[2] = {0, 1, clRed, 0, 0};
            count = 1000; // more than the array holds: its three are taken
        };
        TKeyDescrList ranges;
        const std::u16string text = u"abcdef";
        ranges.reset(10, 15);
        rule.Scan(ranges, windowOf(text, 10), onDraw, descriptors);
        QCOMPARE(seen, &rule);
        QCOMPARE(rangeText(ranges), "10-12:ff0000 13-15:8000 10-11:ff");
        QCOMPARE(ranges[0].ZOrder, 7);
        QCOMPARE(ranges[1].ZOrder, 9);
        // no descriptor array or no handler: nothing
        QCOMPARE(scanText(rule, text, onDraw, {}), "");
        QCOMPARE(scanText(rule, text, {}, descriptors), "");
    }

    // A rule comes back from the store with all it holds; Assign copies
    // all but the selection colour and IntChar.
    void storedAndAssignedRules()
    {
        TColorRule plain;
        QVERIFY(storeRule(plain).isEmpty()); // defaults are not written
        TColorRule rule;
        rule.setZOrder(200);
        rule.setIntChar("i");
        rule.setKeywords({"a", "b;navy"});
        rule.setKeyLineEndLst({"//"});
        rule.setKeyMaxHeight(4);
        rule.setKeyDrawingType(TColorRule::dtBeginLineEnd);
        rule.setKeyCase(true);
        rule.setEnabled(false);
        rule.setPartWord(true);
        rule.setDefKeyColor(0x123456);
        rule.setKeyBrushColor(clBlue);
        rule.setKeySelColor(0x654321);
        const StoredRule stored = storeRule(rule);
        QVERIFY(stored.contains({"KeyDrawingType", QStringLiteral("dtBeginLineEnd")}));
        TColorRule loaded;
        loadRule(loaded, stored + StoredRule{{"NoSuchProperty", 1}});
        QCOMPARE(storeRule(loaded), stored);
        QCOMPARE(loaded.markerTable()[0].beginKey, u"//");
        TColorRule copy;
        copy.Assign(rule);
        StoredRule expected = stored;
        expected.removeIf([](const auto &pair) { return pair.first == "KeySelColor" || pair.first == "IntChar"; });
        QCOMPARE(storeRule(copy), expected);
        // the keywords went through their setter: compiled at once
        QCOMPARE(copy.compiledKeywords().keys.size(), 4u);
    }

    void badInputEndsAndStaysInWindow()
    {
        // NUL characters are ordinary non-letters: the scan goes on past them
        TColorRule rule;
        rule.setKeyDrawingType(TColorRule::dtKeyShow);
        rule.setKeywords({"<b>;red"});
        const std::u16string withNul(u"<b>\0<b>", 7);
        QCOMPARE(scanText(rule, withNul), "0-2:ff 4-6:ff");
        // keywords longer than 30 and than 255 characters match in full
        const QString long40 = QString(40, u'k');
        const QString long300 = QString(300, u'z');
        TColorRule longKeys;
        longKeys.setKeyDrawingType(TColorRule::dtKeyShow);
        longKeys.setPartWord(true);
        longKeys.setKeywords({long40 + ";red", long300 + ";blue"});
        const std::u16string thirtyFive(35, u'K'); // only a prefix of the key
        QCOMPARE(scanText(longKeys, thirtyFive), "");
        std::u16string text = std::u16string(40, u'K') + u' ' + std::u16string(300, u'Z');
        QCOMPARE(scanText(longKeys, text), "0-39:ff 41-340:ff0000");
        // more than 40 keyword lines are all used
        QStringList many;
        for (int i = 0; i < 60; ++i)
            many << QStringLiteral("w%1").arg(i);
        TColorRule manyKeys;
        manyKeys.setKeyDrawingType(TColorRule::dtKeyShow);
        manyKeys.setKeywords(many);
        // ('w5' counts too: a digit is no letter)
        QCOMPARE(scanText(manyKeys, u"w59"), "0-1:ff 0-1:ff 0-2:ff 0-2:ff");
        // a 1 MB line with an unclosed begin key ends
        std::u16string big(1 << 20, u'x');
        big.replace(10, 4, u"<!--");
        TColorRule comment;
        comment.setKeyBegEndLst({"<!--;-->"});
        QCOMPARE(scanText(comment, big), "");
        // handler reports: ranges wholly outside the window, reversed
        TColorRule event;
        event.setKeyDrawingType(TColorRule::dtEventDraw);
        std::vector<TKeyDescr> descriptors(2);
        int reported = -5; // a count below zero, then one that takes the bad ranges
        const TDrawEvent outside = [&reported](TColorRule *, std::u16string_view, std::span<TKeyDescr> a, int &count) {
            a[0] = {INT_MIN, INT_MIN, clBlue, 0, 0};
            a[1] = {4, 2, clGreen, 0, 0};
            count = reported;
        };
        QCOMPARE(scanText(event, u"abcdef", outside, descriptors), "");
        reported = 2;
        QCOMPARE(scanText(event, u"abcdef", outside, descriptors), "");
    }
};

QTEST_GUILESS_MAIN(ColorRulesTest)
#include "tst_colorrules.moc"
