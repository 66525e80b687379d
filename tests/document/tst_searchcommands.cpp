#include "colormemo.h"
#include "replaceform.h"
#include "searchform.h"
#include "textscan.h"
#include "support/appfixture.h"
#include "support/whenshown.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>

using Messages::Button;

namespace {

// Answers the questions and notes what the memo had selected at each one.
struct WatchingMessages : ScriptedMessages {
    TColorMemo *memo = nullptr;
    QStringList selections; // "start+length" at each question
    bool busyAtQuestion = false;

    Messages::Button present(const Messages::Request &request) override
    {
        if (memo)
            selections << QStringLiteral("%1+%2").arg(memo->selStart()).arg(memo->selLength());
        busyAtQuestion = QGuiApplication::overrideCursor() != nullptr;
        return ScriptedMessages::present(request);
    }
};

struct SearchApp : AppFixture {
    WatchingMessages watching; // installed after the fixture's own, so it is the one asked

    Teditform *page(const QString &text)
    {
        main->newDocument();
        Teditform *doc = active();
        doc->CMemo1->setText(text);
        doc->CMemo1->setModified(false);
        watching.memo = doc->CMemo1;
        return doc;
    }
};

// Fills in a search or replace window as a user would and presses OK.
template <typename Window>
void fillIn(const QString &lookFor, std::function<void(Window *)> more = {})
{
    whenShown<Window>([lookFor, more](Window *window) {
        QTest::keyClicks(window->crit, lookFor);
        if (more)
            more(window);
        window->okbutton->click();
    });
}

} // namespace

class TestSearchCommands : public QObject
{
    Q_OBJECT

    std::optional<SearchApp> app; // started afresh for every test

private slots:
    void init() { app.emplace().start(); }
    void cleanup() { app.reset(); }

    void searchOffersEachMatchUntilNo()
    {
        Teditform *doc = app->page("Word, word\r\nand WORD");
        bool okAtFirst = true, okAfterEmptying = false, localOffered = true;
        whenShown<Tsearchform>([&](Tsearchform *window) {
            okAtFirst = window->okbutton->isEnabled();
            localOffered = window->local->isEnabled() || window->local->isChecked();
            QTest::keyClicks(window->crit, "x");
            window->crit->clear(); // OK stays once something was typed
            okAfterEmptying = window->okbutton->isEnabled();
            QTest::keyClicks(window->crit, "word");
            window->okbutton->click();
        });
        app->watching.answers << Button::Yes << Button::Yes << Button::No;
        app->item("Search2")->trigger();
        QVERIFY(!okAtFirst);
        QVERIFY(okAfterEmptying);
        QVERIFY(!localOffered);
        QCOMPARE(app->watching.selections, (QStringList{"0+4", "6+4", "16+4"}));
        QCOMPARE(app->watching.texts(), QStringList(3, "Continue search ?"));
        QVERIFY(app->watching.busyAtQuestion);
        QVERIFY(!QGuiApplication::overrideCursor());
        QVERIFY(!doc->CMemo1->modified());
    }

    void searchWithoutMatchesOrCancelled()
    {
        QVERIFY(app->page("abc"));
        fillIn<Tsearchform>("abcd");
        app->item("Search2")->trigger();
        QCOMPARE(app->watching.texts(), QStringList{"Sorry no matches found"});
        QVERIFY(!QGuiApplication::overrideCursor());
        whenShown<Tsearchform>([](Tsearchform *window) {
            QTest::keyClicks(window->crit, "abc");
            window->cancelbutton->click();
        });
        app->item("Search2")->trigger();
        QCOMPARE(app->watching.texts().size(), 1);
    }

    void selectionOnlyAndCaseStopWhereTheTextNoLongerFits()
    {
        Teditform *doc = app->page("AB ab ab");
        doc->CMemo1->setSelStart(0);
        doc->CMemo1->setSelLength(7); // "AB ab a"
        bool localSet = false;
        fillIn<Tsearchform>("ab", [&](Tsearchform *window) {
            localSet = window->local->isEnabled() && window->local->isChecked();
            window->uplow->setChecked(true);
        });
        app->watching.answers << Button::Yes;
        app->item("Search2")->trigger();
        QVERIFY(localSet);
        QCOMPARE(app->watching.selections, QStringList{"3+2"});
    }

    void replaceAsksAndAllFinishesInOneEdit()
    {
        Teditform *doc = app->page("a cat, a cat,\r\na Cat, a cat");
        QSignalSpy changes(doc->CMemo1, &QPlainTextEdit::textChanged);
        bool okFollowsText = false;
        fillIn<Treplaceform>("cat", [&](Treplaceform *window) {
            QTest::keyClicks(window->reptext, "dog");
            window->crit->clear();
            okFollowsText = !window->okbutton->isEnabled();
            QTest::keyClicks(window->crit, "cat");
        });
        app->watching.answers << Button::No << Button::Yes << Button::All;
        app->item("Replace2")->trigger();
        QVERIFY(okFollowsText);
        QCOMPARE(doc->CMemo1->text(), QString("a cat, a dog,\r\na dog, a dog"));
        QCOMPARE(app->watching.selections, (QStringList{"2+3", "9+3", "17+3"}));
        QCOMPARE(app->watching.texts(), QStringList(3, "Replace \"cat\" with \"dog\" ?"));
        QCOMPARE(changes.size(), 2);           // the Yes, and everything after All
        QCOMPARE(doc->CMemo1->selStart(), 27); // after the last replacement
        QCOMPARE(doc->CMemo1->selLength(), 0);
        QVERIFY(doc->CMemo1->modified());
        QCOMPARE(app->panel(DocumentHost::SizePanel), QString("27 bytes"));
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    void replaceCancelKeepsTheTextAndTheCaretAtTheMatch()
    {
        Teditform *doc = app->page("one two");
        fillIn<Treplaceform>("two");
        app->watching.answers << Button::Cancel;
        app->item("Replace2")->trigger();
        QCOMPARE(doc->CMemo1->text(), QString("one two"));
        QCOMPARE(doc->CMemo1->selStart(), 4);
        QCOMPARE(doc->CMemo1->selLength(), 0);
        QVERIFY(!doc->CMemo1->modified());
    }

    // Each replacement holds the text, so the scan builds one line as long
    // as the range: the page shows it in display lines, with word wrap on.
    void replacementsBuildingOneLongLineEnd()
    {
        const QString text = QStringLiteral("abc <p> ").repeated(125'000);
        Teditform *doc = app->page(text);
        QCOMPARE(doc->CMemo1->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        fillIn<Treplaceform>("abc", [](Treplaceform *window) { QTest::keyClicks(window->reptext, "xabc"); });
        app->watching.answers << Button::All;
        app->item("Replace2")->trigger();
        const MatchRule rule(QStringLiteral("abc"), false);
        ReplaceScan scan(text, rule, QStringLiteral("xabc"), scanRange(text.size(), 0, 0, false, 3));
        while (scan.next())
            scan.replace();
        QCOMPARE(doc->CMemo1->text(), scan.text());
        QVERIFY(doc->CMemo1->displayBreakCount() > 100);
    }
};

QTEST_MAIN(TestSearchCommands)
#include "tst_searchcommands.moc"
