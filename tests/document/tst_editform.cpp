#include "colormemo.h"
#include "displaylines.h"
#include "support/appfixture.h"

#include <QAction>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTextCursor>

using Messages::Button;

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

private slots:
    void newPageHoldsTheSkeleton()
    {
        AppFixture app;
        app.start();
        app.main->newDocument();
        Teditform *doc = app.active();
        QVERIFY(doc);
        QCOMPARE(doc->CMemo1->text(),
                 QString("<HTML>\r\n<HEAD>\r\n<TITLE></TITLE>\r\n\r\n</HEAD>\r\n\r\n\r\n\r\n\r\n\r\n</HTML>\r\n"));
        QCOMPARE(doc->CMemo1->textLength(), 63);
        QCOMPARE(doc->CMemo1->selStart(), 23);
        QCOMPARE(doc->windowTitle(), QString("No name"));
        QCOMPARE(app.panel(DocumentHost::SizePanel), QString("63 bytes"));
        QCOMPARE(app.panel(DocumentHost::CountPanel), QString("1 windows"));
        QCOMPARE(app.panel(DocumentHost::ModifiedPanel), QString());
        QVERIFY(!doc->CMemo1->modified());

        type(doc->CMemo1, "Hi");
        QCOMPARE(doc->CMemo1->text().mid(20, 12), QString("LE>Hi</TITLE"));
        QCOMPARE(app.panel(DocumentHost::SizePanel), QString("65 bytes"));
        QCOMPARE(app.panel(DocumentHost::ModifiedPanel), QString("modified"));
        QVERIFY(doc->CMemo1->modified());
    }

    void openShowsThePageAndSaveClearsModified()
    {
        AppFixture app;
        app.start();
        Teditform *doc = app.openPage("site/lf.htm", "<P>\na");
        QVERIFY(doc);
        QCOMPARE(doc->windowTitle(), QString("lf.htm"));
        QCOMPARE(app.panel(DocumentHost::PathPanel), app.path("site/lf.htm"));
        QCOMPARE(app.panel(DocumentHost::SizePanel), QString("6 bytes"));
        QVERIFY(app.main->action("FTP1")->isEnabled());
        type(doc->CMemo1, "x");
        QCOMPARE(app.panel(DocumentHost::ModifiedPanel), QString("modified"));
        app.item("Save1")->trigger();
        QCOMPARE(app.readFile("site/lf.htm"), QByteArray("x<P>\r\na"));
        QCOMPARE(app.panel(DocumentHost::ModifiedPanel), QString());
    }

    void saveAsRenamesAndWaitsForTheNextKeystroke()
    {
        AppFixture app;
        app.start();
        app.main->newDocument();
        Teditform *doc = app.active();
        type(doc->CMemo1, "T");
        app.dialogs.saveAnswers << app.path("new.htm");
        app.item("saveas")->trigger();
        QCOMPARE(doc->windowTitle(), QString("new.htm"));
        QCOMPARE(app.panel(DocumentHost::PathPanel), app.path("new.htm"));
        QCOMPARE(app.panel(DocumentHost::ModifiedPanel), QString());
        QVERIFY(!app.item("Save1")->isEnabled());
        QVERIFY(!app.item("saveas")->isEnabled());
        type(doc->CMemo1, "x");
        QVERIFY(app.item("Save1")->isEnabled());
        QVERIFY(app.item("saveas")->isEnabled());
    }

    void closeQueryAnswers()
    {
        AppFixture app;
        app.start();
        Teditform *doc = app.openPage("q.htm", "q");
        QVERIFY(doc);
        type(doc->CMemo1, "1");

        app.messages.answers << Messages::Cancel;
        doc->closeWindow();
        QCOMPARE(app.windows(), 1);
        QCOMPARE(app.messages.texts(), QStringList{"File q.htm has changed !! Save first ?"});

        app.messages.answers << Messages::Yes;
        doc->closeWindow();
        QTRY_COMPARE(app.windows(), 0);
        QCOMPARE(app.readFile("q.htm"), QByteArray("1q"));
        QCOMPARE(app.panel(DocumentHost::CountPanel), QString("0 windows"));
        QCOMPARE(app.panel(DocumentHost::SizePanel), QString());
        QCOMPARE(app.panel(DocumentHost::PathPanel), QString());
        QVERIFY(app.main->action("Frames1")->isEnabled());
        QVERIFY(!app.main->action("FTP1")->isEnabled());
    }

    void closeAllAsksEachWindowAndStopsAtCancel()
    {
        AppFixture app;
        app.start();
        for (const char *name : {"a.htm", "b.htm", "c.htm"}) {
            QVERIFY(app.main->openDocument(app.writeFile(name, name)));
            type(app.active()->CMemo1, "x");
        }
        QCOMPARE(app.panel(DocumentHost::CountPanel), QString("3 windows"));
        QVERIFY(app.item("Closeall1")->isEnabled());
        app.messages.answers << Messages::No << Messages::Cancel;
        app.item("Closeall1")->trigger();
        QTRY_COMPARE(app.messages.shown.size(), 2);
        QApplication::processEvents();
        QCOMPARE(app.windows(), 2);
        // Cancel ended the run: switching windows and a new page close nothing.
        QVERIFY(!app.main->documents().closingAll());
        app.main->activateNext();
        app.main->newDocument();
        QApplication::processEvents();
        QCOMPARE(app.windows(), 3);
        QCOMPARE(app.messages.shown.size(), 2);
    }

    // The check mark and the caption show what the page decided.
    void autosaveItemAndCaption()
    {
        AppFixture app;
        app.start();
        app.main->newDocument();
        Teditform *unnamed = app.active();
        app.item("Autosave1")->trigger();
        QVERIFY(!app.item("Autosave1")->isChecked());
        QCOMPARE(unnamed->windowTitle(), QString("No name"));

        Teditform *doc = app.openPage("auto.htm", "a");
        QVERIFY(doc);
        app.item("Autosave1")->trigger();
        QVERIFY(app.item("Autosave1")->isChecked());
        QCOMPARE(doc->windowTitle(), QString("auto.htm [autosave]"));
        app.item("Autosave1")->trigger();
        QVERIFY(!app.item("Autosave1")->isChecked());
        QCOMPARE(doc->windowTitle(), QString("auto.htm"));
        QCOMPARE(app.messages.texts(), QStringList{"The file has no name, please save it first !"});
    }

    // The one set of items shows the states and the "&Defined" captions
    // of the window in front; each window keeps its own.
    void itemsShowTheWindowInFront()
    {
        AppFixture app;
        app.start();
        g_tags.captions[0] = "first";
        Teditform *first = app.openPage("first.htm", "1");
        app.item("Autosave1")->trigger();
        g_tags.captions[0] = "second";
        app.main->newDocument();
        QCOMPARE(app.item("def0Click")->text(), QString("second"));
        QVERIFY(!app.item("Autosave1")->isChecked());
        QVERIFY(!app.item("N15")->isEnabled());
        app.main->mdiArea()->setActiveSubWindow(app.main->mdiArea()->subWindowList().first());
        QCOMPARE(app.active(), first);
        QCOMPARE(app.item("def0Click")->text(), QString("first"));
        QVERIFY(app.item("Autosave1")->isChecked());
        QVERIFY(app.item("N15")->isEnabled());
    }

    void leavingTheProgramSavesOnlyAutosavePages()
    {
        AppFixture app;
        app.start();
        QVERIFY(app.main->openDocument(app.writeFile("plain.htm", "p")));
        Teditform *plain = app.active();
        type(plain->CMemo1, "1");
        QVERIFY(app.main->openDocument(app.writeFile("auto.htm", "a")));
        Teditform *autosaved = app.active();
        app.item("Autosave1")->trigger();
        type(autosaved->CMemo1, "2");
        app.main->mdiArea()->setActiveSubWindow(app.main->mdiArea()->subWindowList().first());
        QCOMPARE(app.active(), plain);
        QVERIFY(autosaved->page().autosave());

        emit qApp->applicationStateChanged(Qt::ApplicationInactive);
        QCOMPARE(app.readFile("auto.htm"), QByteArray("2a"));
        QVERIFY(!autosaved->CMemo1->modified());
        QCOMPARE(app.readFile("plain.htm"), QByteArray("p"));
        QVERIFY(plain->CMemo1->modified());
    }

    void saveAllSavesEveryWindowOnce()
    {
        AppFixture app;
        app.start();
        for (const char *name : {"one.htm", "two.htm"}) {
            QVERIFY(app.main->openDocument(app.writeFile(name, "")));
            type(app.active()->CMemo1, QString::fromLatin1(name).left(3));
        }
        QVERIFY(app.main->action("ToolButton32")->isEnabled());
        app.item("Saveall1")->trigger();
        QCOMPARE(app.readFile("one.htm"), QByteArray("one"));
        QCOMPARE(app.readFile("two.htm"), QByteArray("two"));
        for (Teditform *doc : app.main->documents().windows())
            QVERIFY(!doc->CMemo1->modified());
    }

    // The hot keys reach the tag commands from the focused text, also the
    // keys the text control would otherwise take for itself.
    void tagHotKeysFromTheText()
    {
        AppFixture app;
        app.start();
        Teditform *doc = app.openPage("tags.htm", "");
        TColorMemo *memo = doc->CMemo1;
        memo->setFocus();
        const auto press = [memo](Qt::Key key, Qt::KeyboardModifiers modifiers) {
            QTest::keyClick(memo, key, modifiers);
        };
        press(Qt::Key_Space, Qt::ControlModifier);
        QCOMPARE(memo->text(), QString("&nbsp;"));
        press(Qt::Key_Less, Qt::ControlModifier);
        press(Qt::Key_Greater, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(memo->text(), QString("&nbsp;&lt;&gt;"));
        QVERIFY(!app.main->action("ToolButton19")->isEnabled());
        QVERIFY(app.main->action("ToolButton18")->isEnabled());

        press(Qt::Key_Z, Qt::ControlModifier); // undo last tag
        QCOMPARE(memo->text(), QString("&nbsp;&lt;"));
        QVERIFY(app.item("Undoundo1")->isEnabled());
        QVERIFY(app.main->action("ToolButton19")->isEnabled());
        QVERIFY(!app.main->action("ToolButton18")->isEnabled());
        press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier); // undo undo
        QCOMPARE(memo->text(), QString("&nbsp;&lt;&gt;"));

        memo->setSelStart(0);
        memo->setSelLength(6);
        press(Qt::Key_F2, Qt::NoModifier); // bold, wrapped round the selection
        QCOMPARE(memo->text(), QString("<B>&nbsp;</B>&lt;&gt;"));
        QCOMPARE(memo->selText(), QString("&nbsp;"));
        memo->setSelStart(memo->textLength());
        press(Qt::Key_A, Qt::ControlModifier); // applet, not select-all
        QVERIFY(memo->text().contains("<APPLET code=\"\""));
        const QString before = memo->text();
        press(Qt::Key_Y, Qt::ControlModifier); // the Edit menu's select all: no insertion
        press(Qt::Key_U, Qt::ControlModifier);
        QCOMPARE(memo->text(), before);
        QVERIFY(doc->CMemo1->modified());

        // The toolbar buttons act on the active page.
        app.main->action("ToolButton18")->trigger();
        QCOMPARE(memo->text(), QString("<B>&nbsp;</B>&lt;&gt;"));
    }

    // A page in a real document window shows its tags in the rule colour,
    // and an edit recolours the line it changed.
    void documentWindowShowsColours()
    {
        AppFixture app;
        g_settings.fontName = QStringLiteral("DejaVu Sans Mono");
        g_settings.fontSize = 20;
        app.start();
        Teditform *doc = app.openPage("colours.htm", "<B>word</B> plain\r\nplain");
        TColorMemo *memo = doc->CMemo1;
        const auto greenIn = [memo](int from, int to) {
            const QImage image = memo->viewport()->grab().toImage();
            QTextCursor cursor(memo->document());
            cursor.setPosition(from);
            const QRect left = memo->cursorRect(cursor);
            cursor.setPosition(to);
            const QRect area = QRect(QPoint(left.left() + 1, left.top()),
                                     QPoint(memo->cursorRect(cursor).left() - 1, left.bottom()))
                                   .intersected(image.rect());
            int count = 0;
            for (int y = area.top(); y <= area.bottom(); ++y) {
                for (int x = area.left(); x <= area.right(); ++x) {
                    const QRgb pixel = image.pixel(x, y);
                    count += qGreen(pixel) > 90 && qRed(pixel) < 60 && qBlue(pixel) < 60;
                }
            }
            return count;
        };
        QVERIFY(greenIn(0, 3) > 10);   // <B>
        QCOMPARE(greenIn(3, 7), 0);    // word
        QCOMPARE(greenIn(18, 23), 0);  // the second line's plain text
        memo->setSelStart(memo->textLength());
        type(memo, "<U>");
        QVERIFY(greenIn(23, 26) > 10);
    }

    // A page written on one line, shown in display lines, typed into at its
    // end, at a display break in its middle and at its start.
    void oneLinePageRoundTripsAfterTyping()
    {
        AppFixture app;
        app.start();
        QByteArray bytes;
        for (int i = 0; bytes.size() < 300000; ++i)
            bytes += "<td class=\"c" + QByteArray::number(i) + "\">x</td>";
        const QString page = app.writeFile("line.htm", bytes);
        QVERIFY(app.main->openDocument(page));
        TColorMemo *memo = app.active()->CMemo1;
        const std::vector<int> breaks = DisplayLines::breaksInLine(QString::fromLatin1(bytes));
        QCOMPARE(memo->displayBreakCount(), int(breaks.size()));
        const int middle = breaks[breaks.size() / 2];
        memo->setSelStart(int(bytes.size()));
        type(memo, "E");
        memo->setSelStart(middle);
        type(memo, "M");
        memo->setSelStart(0);
        type(memo, "S");
        app.item("Save1")->trigger();
        QCOMPARE(app.readFile("line.htm"), "S" + bytes.insert(middle, 'M') + "E");
    }

    void largePageOpensAndRoundTrips()
    {
        AppFixture app;
        app.start();
        QByteArray line = "<TR><TD class=\"cell\">Some table text &amp; more</TD></TR>";
        QByteArray bytes;
        bytes.reserve(50 * 1024 * 1024 + 100);
        for (int i = 0; bytes.size() < 50 * 1024 * 1024; ++i) {
            bytes += line;
            bytes += QByteArray::number(i);
            bytes += "\r\n";
        }
        const QString page = app.writeFile("big.htm", bytes);
        QVERIFY(app.main->openDocument(page));
        Teditform *doc = app.active();
        QCOMPARE(doc->CMemo1->textLength(), bytes.size());
        QCOMPARE(app.panel(DocumentHost::SizePanel), QStringLiteral("%1 bytes").arg(bytes.size()));
        doc->CMemo1->moveCursor(QTextCursor::End);
        type(doc->CMemo1, "!");
        app.item("Save1")->trigger();
        QCOMPARE(app.readFile("big.htm"), bytes + "!");
    }
};

QTEST_MAIN(TestEditForm)
#include "tst_editform.moc"
