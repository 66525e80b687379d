#include "support/pseudorandom.h"
#include "textscan.h"

#include <QTest>

namespace {

QList<qsizetype> allMatches(QStringView text, const QString &needle, bool caseSensitive, ScanRange range)
{
    const MatchRule rule(needle, caseSensitive);
    SearchScan scan(text, rule, range);
    QList<qsizetype> found;
    while (const qsizetype position = scan.next())
        found << position;
    return found;
}

QList<qsizetype> allMatches(QStringView text, const QString &needle, bool caseSensitive = false)
{
    return allMatches(text, needle, caseSensitive, scanRange(text.size(), 0, 0, false, needle.size()));
}

// Replace as the steps describe it: at every position of the range, read
// the changed text and replace the match there when 'take' says so.
QString stepByStep(QString text, const QString &needle, const QString &replacement, bool caseSensitive, ScanRange range,
                   const std::function<bool(int)> &take)
{
    const MatchRule rule(needle, caseSensitive);
    int match = 0;
    for (qsizetype p = range.first; p <= range.last; ++p) {
        if (rule.matches(QStringView(text).mid(p - 1, needle.size())) && take(match++))
            text.replace(p - 1, needle.size(), replacement);
    }
    return text;
}

struct Replaced {
    QString text;
    QList<TextEdit> edits;
};

Replaced replaceScan(const QString &text, const QString &needle, const QString &replacement, bool caseSensitive,
                     ScanRange range, const std::function<bool(int)> &take, bool editEachTime)
{
    const MatchRule rule(needle, caseSensitive);
    ReplaceScan scan(text, rule, replacement, range);
    Replaced result;
    QString mirror = text; // a view that takes the edits one by one
    int match = 0;
    while (scan.next()) {
        if (!take(match++))
            continue;
        scan.replace();
        if (editEachTime)
            result.edits << scan.takeEdit();
    }
    result.edits << scan.takeEdit();
    for (const TextEdit &edit : result.edits)
        mirror.replace(edit.start, edit.removed, edit.inserted);
    result.text = scan.text();
    if (mirror != result.text)
        result.text = "edits differ: " + mirror;
    return result;
}

} // namespace

class TestTextScan : public QObject
{
    Q_OBJECT

private slots:
    void onlyAsciiLettersFold()
    {
        QVERIFY(MatchRule("abc", false).matches(u"aBC"));
        QVERIFY(!MatchRule("abc", true).matches(u"aBc"));
        QVERIFY(!MatchRule("[", false).matches(u"{"));      // 0x5b and 0x7b are no letters
        QVERIFY(!MatchRule("k", false).matches(u"\u212a")); // Kelvin sign
        QCOMPARE(allMatches(u"\u00c9t\u00e9 \u00e9T\u00c9 \u00e9t\u00e9", u"\u00e9t\u00e9"_qs), (QList<qsizetype>{9}));
        QCOMPARE(allMatches(u"x \u212a k K", "k"), (QList<qsizetype>{5, 7}));
    }

    void matchesOverlapAndReachBothEnds()
    {
        QCOMPARE(allMatches(u"word and word", "word"), (QList<qsizetype>{1, 10}));
        QCOMPARE(allMatches(u"aaa", "aa"), (QList<qsizetype>{1, 2}));
        QCOMPARE(allMatches(u"whole", "whole"), (QList<qsizetype>{1}));
        QCOMPARE(allMatches(u"short", "shorter"), QList<qsizetype>());
        QCOMPARE(allMatches(u"a\r\nb\r\na", "a\r\n"), (QList<qsizetype>{1}));
        QCOMPARE(allMatches(u"a\r\nb\r\nA\r\n", "\r\nA"), (QList<qsizetype>{5}));
    }

    void selectionRangeEndsWhereTheTextStillFits()
    {
        // "abcab", selection "bcab" from offset 1: "ab" at 4 fits, "cabx" does not.
        QCOMPARE(allMatches(u"abcabxab", "ab", false, scanRange(8, 1, 4, true, 2)), (QList<qsizetype>{4}));
        QCOMPARE(allMatches(u"abcabxab", "abx", false, scanRange(8, 1, 4, true, 3)), QList<qsizetype>());
        // A selection shorter than the search text gives no range at all.
        const ScanRange tooShort = scanRange(8, 3, 2, true, 3);
        QVERIFY(tooShort.last < tooShort.first);
        QCOMPARE(allMatches(u"abcabxab", "abx", false, tooShort), QList<qsizetype>());
    }

    void replacementsFollowTheStepByStepScan()
    {
        // doubling: the replacement holds the text again from its second
        // character on; longer: the fixed end leaves the last part unscanned;
        // empty: the character right after a deletion is never a match start;
        // line breaks: the replacement's own break is found again four on.
        const QString rows[][4] = {{"xax", "a", "aa", "xaaax"},
                                   {"ab ab ab", "ab", "abcd", "abcd abcd ab"},
                                   {"aaaa", "a", "", "aa"},
                                   {"a\r\nb\r\nc", "\r\n", "<br>\r\n", "a<br><br>\r\nb\r\nc"}};
        const auto all = [](int) { return true; };
        for (const auto &[text, needle, replacement, outcome] : rows) {
            const ScanRange range = scanRange(text.size(), 0, 0, false, needle.size());
            QCOMPARE(stepByStep(text, needle, replacement, false, range, all), outcome);
            QCOMPARE(replaceScan(text, needle, replacement, false, range, all, true).text, outcome);
        }
    }

    // Many texts, answers and ranges against the steps as written.
    void randomScansAgreeWithTheSteps()
    {
        const QStringList pieces = {"a", "A", "b", "\r\n", "ab", "\u00e4"};
        const QStringList needles = {"a", "aa", "ab", "\r\na", "ba"};
        const QStringList replacements = {"", "a", "aa", "xab", "\r\n", "b\r\nA"};
        Pseudorandom random{11};
        const auto next = [&random](quint32 bound) { return random.below(bound); };
        for (int round = 0; round < 3000; ++round) {
            const QString text = random.text(pieces, 14);
            const QString needle = needles[next(needles.size())];
            const QString replacement = replacements[next(replacements.size())];
            const bool caseSensitive = next(2);
            const qsizetype selStart = next(text.size() + 1);
            const qsizetype selLength = next(text.size() - selStart + 1);
            const ScanRange range = scanRange(text.size(), selStart, selLength, next(2), needle.size());
            const quint32 pattern = next(256);
            const auto take = [pattern](int match) { return match >= 8 || (pattern >> match) & 1; };
            const QString expected = stepByStep(text, needle, replacement, caseSensitive, range, take);
            QCOMPARE(replaceScan(text, needle, replacement, caseSensitive, range, take, next(2)).text, expected);
        }
    }

    void editsNeverSplitALineBreak()
    {
        // "\nb" replaced: the edit starts at the CR before it.
        const MatchRule rule("\nb", true);
        ReplaceScan scan("a\r\nb\r\n", rule, "\nc", scanRange(6, 0, 0, false, 2));
        QCOMPARE(scan.next(), 3);
        scan.replace();
        const TextEdit edit = scan.takeEdit();
        QCOMPARE(edit.start, 1);
        QCOMPARE(edit.removed, 3);
        QCOMPARE(edit.inserted, QString("\r\nc"));
        QVERIFY(scan.takeEdit().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestTextScan)
#include "tst_textscan.moc"
