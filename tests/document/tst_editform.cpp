#include "colormemo.h"
#include "displaylines.h"
#include "support/appfixture.h"
#include "tagcommands.h"

#include <QAction>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTextBlock>

namespace {

// Types into the memo as a user would, characters beyond ASCII included.
void type(TColorMemo *memo, const QString &text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(memo, &press);
    }
}

} // namespace

class TestEditForm : public QObject
{
    Q_OBJECT

    std::optional<AppFixture> app; // started afresh for every test

private slots:
    void init() { app.emplace().start(); }
    void cleanup() { app.reset(); }

    // A new page holds the skeleton; the panels follow the page in front.
    void panelsFollowThePageInFront()
    {
        app->main->newDocument();
        Teditform *doc = app->active();
        QCOMPARE(doc->windowTitle(), QString("No name"));
        QCOMPARE(app->panel(DocumentHost::SizePanel), QString("63 bytes"));
        QCOMPARE(app->panel(DocumentHost::CountPanel), QString("1 windows"));
        type(doc->CMemo1, "Hi");
        QCOMPARE(doc->CMemo1->text().mid(20, 12), QString("LE>Hi</TITLE"));
        QCOMPARE(app->panel(DocumentHost::SizePanel), QString("65 bytes"));
        QCOMPARE(app->panel(DocumentHost::ModifiedPanel), QString("modified"));
        doc = app->openPage("site/lf.htm", "<P>\na");
        QCOMPARE(doc->windowTitle(), QString("lf.htm"));
        QCOMPARE(app->panel(DocumentHost::PathPanel), app->path("site/lf.htm"));
        QCOMPARE(app->panel(DocumentHost::SizePanel), QString("6 bytes"));
        QCOMPARE(app->panel(DocumentHost::ModifiedPanel), QString());
        QVERIFY(app->main->action("FTP1")->isEnabled());
        type(doc->CMemo1, "x");
        app->item("Save1")->trigger();
        QCOMPARE(app->readFile("site/lf.htm"), QByteArray("x<P>\r\na"));
        QCOMPARE(app->panel(DocumentHost::ModifiedPanel), QString());
    }

    void closeSavesAndEmptiesThePanels()
    {
        Teditform *doc = app->openPage("q.htm", "q");
        QVERIFY(doc);
        type(doc->CMemo1, "1");
        app->messages.answers << Messages::Yes;
        doc->closeWindow();
        QTRY_COMPARE(app->windows(), 0);
        QCOMPARE(app->readFile("q.htm"), QByteArray("1q"));
        QCOMPARE(app->panel(DocumentHost::CountPanel), QString("0 windows"));
        QCOMPARE(app->panel(DocumentHost::SizePanel), QString());
        QCOMPARE(app->panel(DocumentHost::PathPanel), QString());
        QVERIFY(app->main->action("Frames1")->isEnabled());
        QVERIFY(!app->main->action("FTP1")->isEnabled());
    }

    void closeAllAsksEachWindowAndStopsAtCancel()
    {
        for (const char *name : {"a.htm", "b.htm", "c.htm"}) {
            QVERIFY(app->main->openDocument(app->writeFile(name, name)));
            type(app->active()->CMemo1, "x");
        }
        QCOMPARE(app->panel(DocumentHost::CountPanel), QString("3 windows"));
        QVERIFY(app->item("Closeall1")->isEnabled());
        app->messages.answers << Messages::No << Messages::Cancel;
        app->item("Closeall1")->trigger();
        QTRY_COMPARE(app->messages.shown.size(), 2);
        QApplication::processEvents();
        QCOMPARE(app->windows(), 2);
        // Cancel ended the run: switching windows and a new page close nothing.
        QVERIFY(!app->main->documents().closingAll());
        app->main->activateNext();
        app->main->newDocument();
        QApplication::processEvents();
        QCOMPARE(app->windows(), 3);
        QCOMPARE(app->messages.shown.size(), 2);
    }

    // The one set of items shows the states and the "&Defined" captions
    // of the window in front; each window keeps its own. The check mark
    // shows what the page decided.
    void itemsShowTheWindowInFront()
    {
        g_tags.captions[0] = "first";
        Teditform *first = app->openPage("first.htm", "1");
        app->item("Autosave1")->trigger();
        QCOMPARE(first->windowTitle(), QString("first.htm [autosave]"));
        g_tags.captions[0] = "second";
        app->main->newDocument();
        QCOMPARE(app->item("def0Click")->text(), QString("second"));
        app->item("Autosave1")->trigger(); // refused: the page has no name
        QVERIFY(!app->item("Autosave1")->isChecked());
        QVERIFY(!app->item("N15")->isEnabled());
        app->main->mdiArea()->setActiveSubWindow(app->main->mdiArea()->subWindowList().first());
        QCOMPARE(app->active(), first);
        QCOMPARE(app->item("def0Click")->text(), QString("first"));
        QVERIFY(app->item("Autosave1")->isChecked());
        QVERIFY(app->item("N15")->isEnabled());
    }

    void leavingTheProgramSavesOnlyAutosavePages()
    {
        QVERIFY(app->main->openDocument(app->writeFile("plain.htm", "p")));
        Teditform *plain = app->active();
        type(plain->CMemo1, "1");
        QVERIFY(app->main->openDocument(app->writeFile("auto.htm", "a")));
        Teditform *autosaved = app->active();
        app->item("Autosave1")->trigger();
        type(autosaved->CMemo1, "2");
        emit qApp->applicationStateChanged(Qt::ApplicationInactive);
        QCOMPARE(app->readFile("auto.htm"), QByteArray("2a"));
        QVERIFY(!autosaved->CMemo1->modified());
        QCOMPARE(app->readFile("plain.htm"), QByteArray("p"));
        QVERIFY(plain->CMemo1->modified());
    }

    void saveAllSavesEveryWindowOnce()
    {
        for (const char *name : {"one.htm", "two.htm"}) {
            QVERIFY(app->main->openDocument(app->writeFile(name, "")));
            type(app->active()->CMemo1, QString::fromLatin1(name).left(3));
        }
        app->item("Saveall1")->trigger();
        QCOMPARE(app->readFile("one.htm"), QByteArray("one"));
        QCOMPARE(app->readFile("two.htm"), QByteArray("two"));
        for (Teditform *doc : app->main->documents().windows())
            QVERIFY(!doc->CMemo1->modified());
    }

    // Every hot key reaches its command from the focused text, also keys the
    // text control would take for itself (Ctrl+A selects all, Ctrl+Space goes
    // to input methods) and '>' with Shift held, as the key left of Z and as
    // Shift+period. (A real X server's key mapping is tried elsewhere.)
    void everyHotKeyReachesItsCommandFromTheText()
    {
        TColorMemo *memo = app->openPage("keys.htm", "")->CMemo1;
        memo->setFocus();
        QStringList triggered;
        for (QAction *action : app->main->findChildren<QAction *>())
            connect(action, &QAction::triggered, this, [&triggered, action] { triggered << action->objectName(); });
        QList<std::pair<QString, QKeyCombination>> presses{
            {"intext2Click", QKeyCombination(Qt::CTRL | Qt::SHIFT, Qt::Key_Greater)},
            {"intext2Click", QKeyCombination(Qt::CTRL | Qt::SHIFT, Qt::Key_Period)},
            {"Undolasttag1", QKeyCombination(Qt::CTRL, Qt::Key_Z)},
            {"Undoundo1", QKeyCombination(Qt::CTRL | Qt::SHIFT, Qt::Key_Z)}};
        for (const TagCommand &c : tagCommands())
            presses.append({c.handler, QKeySequence(QString::fromLatin1(c.shortcut), QKeySequence::PortableText)[0]});
        for (const auto &[name, key] : presses) {
            memo->setText(QStringLiteral("some text"));
            memo->setSelStart(1);
            triggered.clear();
            QTest::keyClick(memo, key.key(), key.keyboardModifiers());
            QVERIFY2(triggered == QStringList{name}, qPrintable(name + ": " + triggered.join(',')));
        }
    }

    // The undo buttons follow what tag undo offers and act on the page in front.
    void tagUndoButtons()
    {
        TColorMemo *memo = app->openPage("tags.htm", "")->CMemo1;
        memo->setFocus();
        QTest::keyClick(memo, Qt::Key_Space, Qt::ControlModifier);
        QVERIFY(!app->main->action("ToolButton19")->isEnabled());
        app->main->action("ToolButton18")->trigger();
        QCOMPARE(memo->text(), QString());
        QVERIFY(app->main->action("ToolButton19")->isEnabled());
        QVERIFY(!app->main->action("ToolButton18")->isEnabled());
        app->main->action("ToolButton19")->trigger();
        QCOMPARE(memo->text(), QString("&nbsp;"));
    }

    // A document window colours its page with the document rules.
    void documentWindowShowsColours()
    {
        TColorMemo *memo = app->openPage("colours.htm", "<B>word")->CMemo1;
        memo->viewport()->grab();
        const auto formats = memo->document()->firstBlock().layout()->formats();
        QVERIFY(!formats.isEmpty());
        QCOMPARE(formats[0].format.foreground().color(), QColor(0, 128, 0));
    }

    // A page written on one line, shown in display lines, typed into at its
    // end, at a display break in its middle and at its start.
    void oneLinePageRoundTripsAfterTyping()
    {
        QByteArray bytes;
        for (int i = 0; bytes.size() < 300000; ++i)
            bytes += "<td class=\"c" + QByteArray::number(i) + "\">x</td>";
        QVERIFY(app->main->openDocument(app->writeFile("line.htm", bytes)));
        TColorMemo *memo = app->active()->CMemo1;
        const std::vector<int> breaks = DisplayLines::breaksInLine(QString::fromLatin1(bytes));
        QCOMPARE(memo->displayBreakCount(), int(breaks.size()));
        const int middle = breaks[breaks.size() / 2];
        memo->setSelStart(int(bytes.size()));
        type(memo, "E");
        memo->setSelStart(middle);
        type(memo, "M");
        memo->setSelStart(0);
        type(memo, "S");
        app->item("Save1")->trigger();
        QCOMPARE(app->readFile("line.htm"), "S" + bytes.insert(middle, 'M') + "E");
    }
};

QTEST_MAIN(TestEditForm)
#include "tst_editform.moc"
