#include "colormemo.h"
#include "displaylines.h"
#include "pagebytes.h"
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

    void openShowsCrLfAndSavesCrLf()
    {
        AppFixture app;
        app.start();
        Teditform *doc = app.openPage("site/lf.htm", "<P>\na\rb\r\nc");
        QVERIFY(doc);
        const QString page = doc->fileName();
        QCOMPARE(doc->CMemo1->text(), QString("<P>\r\na\r\nb\r\nc"));
        QCOMPARE(doc->windowTitle(), QString("lf.htm"));
        QCOMPARE(app.panel(DocumentHost::PathPanel), page);
        QCOMPARE(doc->CMemo1->selStart(), 0);
        QVERIFY(!doc->CMemo1->modified());
        QVERIFY(app.main->action("FTP1")->isEnabled());
        type(doc->CMemo1, "x");
        doc->menus.Save1->trigger();
        QCOMPARE(app.readFile("site/lf.htm"), QByteArray("x<P>\r\na\r\nb\r\nc"));
        QVERIFY(!doc->CMemo1->modified());
        QCOMPARE(app.panel(DocumentHost::ModifiedPanel), QString());
    }

    // A page that cannot be read leaves an unnamed window behind, so a
    // later Save cannot write the skeleton over the user's file.
    void failedLoadLeavesTheWindowUnnamed()
    {
        AppFixture app;
        app.start();
        const QString folder = app.path("folder.htm");
        QDir().mkpath(folder);
        QVERIFY(!app.main->openDocument(folder));
        QCOMPARE(app.messages.texts(), QStringList{"Cannot open file " + folder});
        QCOMPARE(app.messages.shown[0].kind, Messages::Kind::Error);
        Teditform *doc = app.active();
        QCOMPARE(doc->fileName(), QString("No name"));
        QCOMPARE(doc->windowTitle(), QString("No name"));
        doc->menus.Save1->trigger(); // runs Save as; the dialog is cancelled
        QCOMPARE(app.dialogs.requests.size(), 1);
        QCOMPARE(app.dialogs.requests[0].title, QString("Save file as"));
        QVERIFY(QFileInfo(folder).isDir());
    }

    // Small pages with what real sites hold, opened and saved unchanged
    // through a document window; panel 1 shows the bytes the file holds.
    void edgePagesRoundTrip_data()
    {
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<QByteArray>("saved");
        QByteArray all, allSaved;
        for (int b = 0; b < 256; ++b) {
            all.append(char(b));
            allSaved.append(b == '\r' || b == '\n' ? QByteArray("\r\n") : QByteArray(1, char(b)));
        }
        const QByteArray mark = "\xef\xbb\xbf";
        const auto same = [](const char *name, const QByteArray &bytes) { QTest::newRow(name) << bytes << bytes; };
        same("byte-order mark", mark + "<HTML>caf\xc3\xa9</HTML>\r\n");
        same("byte-order mark only", mark);
        same("byte-order mark and Latin-1", mark + "caf\xe9");
        same("Latin-1", "<P>caf\xe9 \xfc\xdf</P>\r\n");
        same("NUL", QByteArray("a\0b\0\r\n", 6));
        same("UTF-8 with bytes that are not", "caf\xc3\xa9 \xff \xe2\x82");
        same("UTF-8 with a paragraph separator", "a\xe2\x80\xa9" "b\xc3\xa9");
        same("empty", "");
        QTest::newRow("lone CR") << QByteArray("a\rb\r\r\nc") << QByteArray("a\r\nb\r\n\r\nc");
        QTest::newRow("all 256 byte values") << all << allSaved;
    }

    void edgePagesRoundTrip()
    {
        QFETCH(QByteArray, page);
        QFETCH(QByteArray, saved);
        AppFixture app;
        app.start();
        Teditform *doc = app.openPage("edge.htm", page);
        QVERIFY(doc);
        QCOMPARE(app.panel(DocumentHost::SizePanel), QString("%1 bytes").arg(saved.size()));
        doc->menus.Save1->trigger();
        QCOMPARE(app.readFile("edge.htm"), saved);
    }

    // The mark is not text: keys at the start of the page act on the text.
    void byteOrderMarkCannotBeTypedOver()
    {
        AppFixture app;
        app.start();
        Teditform *doc = app.openPage("marked.htm", "\xef\xbb\xbf<P>");
        QVERIFY(doc);
        QTest::keyClick(doc->CMemo1, Qt::Key_Backspace);
        QTest::keyClick(doc->CMemo1, Qt::Key_Delete);
        type(doc->CMemo1, "x");
        QCOMPARE(app.panel(DocumentHost::SizePanel), QString("6 bytes"));
        doc->menus.Save1->trigger();
        QCOMPARE(app.readFile("marked.htm"), QByteArray("\xef\xbb\xbfxP>"));
    }

    // A character an 8-bit page cannot hold is written as a character
    // reference; a UTF-8 page takes it as it is. Panel 1 counts either.
    void typedCharactersSurviveTheSave()
    {
        AppFixture app;
        app.start();
        QVERIFY(app.main->openDocument(app.writeFile("latin.htm", "caf\xe9")));
        type(app.active()->CMemo1, QString::fromUtf8("\xe2\x82\xac "));
        QCOMPARE(app.panel(DocumentHost::SizePanel), QString("12 bytes"));
        app.active()->menus.Save1->trigger();
        QCOMPARE(app.readFile("latin.htm"), QByteArray("&#8364; caf\xe9"));

        QVERIFY(app.main->openDocument(app.writeFile("utf8.htm", "caf\xc3\xa9")));
        QCOMPARE(app.active()->bytes().encoding(), PageEncoding::Utf8);
        type(app.active()->CMemo1, QString::fromUtf8("\xe2\x82\xac "));
        QCOMPARE(app.panel(DocumentHost::SizePanel), QString("9 bytes"));
        app.active()->menus.Save1->trigger();
        QCOMPARE(app.readFile("utf8.htm"), QByteArray("\xe2\x82\xac caf\xc3\xa9"));
    }

    void missingFolderIsCreatedOnlyWhenTheUserAgrees()
    {
        AppFixture app;
        app.start();
        const QString page = app.writeFile("gone/page.htm", "old");
        QVERIFY(app.main->openDocument(page));
        QVERIFY(QDir(app.path("gone")).removeRecursively());
        Teditform *doc = app.active();
        type(doc->CMemo1, "new ");

        app.messages.answers << Messages::No;
        QVERIFY(!doc->save());
        QCOMPARE(app.messages.shown.last().text,
                 QString("Specified directory does not exist+\r\nDo you want to to create it now ?"));
        QCOMPARE(app.messages.shown.last().kind, Messages::Kind::Information);
        QCOMPARE(app.messages.shown.last().buttons, Messages::Yes | Messages::No | Messages::Help);
        QCOMPARE(app.messages.shown.last().helpContext, 20001);
        QVERIFY(doc->CMemo1->modified());
        QVERIFY(!QFile::exists(page));

        app.messages.answers << Messages::Yes;
        QVERIFY(doc->save());
        QCOMPARE(app.readFile("gone/page.htm"), QByteArray("new old"));
        QVERIFY(!doc->CMemo1->modified());
    }

    void saveAsRenamesAndWaitsForTheNextKeystroke()
    {
        AppFixture app;
        app.start();
        g_settings.saveDirectory = app.path("out");
        app.main->newDocument();
        Teditform *doc = app.active();
        type(doc->CMemo1, "T");
        app.dialogs.saveAnswers << app.path("out/new.htm");
        QDir().mkpath(app.path("out"));
        doc->menus.saveas->trigger();
        const Dialogs::FileRequest &request = app.dialogs.requests.last();
        QCOMPARE(request.filter, QString("HTML document|*.htm*|CSS document|*.css|Text file|*.txt|All files|*.*"));
        QCOMPARE(request.defaultSuffix, QString("htm"));
        QCOMPARE(request.startFolder, app.path("out"));
        QCOMPARE(request.helpContext, 6);
        QCOMPARE(doc->fileName(), app.path("out/new.htm"));
        QCOMPARE(doc->windowTitle(), QString("new.htm"));
        QCOMPARE(app.panel(DocumentHost::PathPanel), app.path("out/new.htm"));
        QVERIFY(app.readFile("out/new.htm").startsWith("<HTML>\r\n<HEAD>\r\n<TITLE>T</TITLE>"));
        QVERIFY(!doc->menus.Save1->isEnabled());
        QVERIFY(!doc->menus.saveas->isEnabled());
        type(doc->CMemo1, "x");
        QVERIFY(doc->menus.Save1->isEnabled());
        QVERIFY(doc->menus.saveas->isEnabled());
    }

    void failedSaveAsKeepsNameTextAndModifiedState()
    {
        AppFixture app;
        app.start();
        Teditform *doc = app.openPage("keep.htm", "abc");
        QVERIFY(doc);
        const QString page = doc->fileName();
        type(doc->CMemo1, "z");
        const QString locked = app.writeFile("locked.htm", "locked");
        QFile::setPermissions(locked, QFile::ReadOwner);
        app.dialogs.saveAnswers << locked;
        doc->menus.saveas->trigger();
        QCOMPARE(app.messages.texts(), QStringList{"Cannot create file " + locked});
        QCOMPARE(app.readFile("locked.htm"), QByteArray("locked"));
        QCOMPARE(doc->fileName(), page);
        QCOMPARE(doc->windowTitle(), QString("keep.htm"));
        QVERIFY(doc->CMemo1->modified());
        QCOMPARE(doc->CMemo1->text(), QString("zabc"));
    }

    void closeQueryAnswers()
    {
        AppFixture app;
        app.start();
        Teditform *doc = app.openPage("q.htm", "q");
        QVERIFY(doc);
        const QString page = doc->fileName();
        type(doc->CMemo1, "1");

        app.messages.answers << Messages::Cancel;
        doc->closeWindow();
        QCOMPARE(app.windows(), 1);
        QCOMPARE(app.messages.shown.last().text, QString("File q.htm has changed !! Save first ?"));
        QCOMPARE(app.messages.shown.last().kind, Messages::Kind::Plain);
        QCOMPARE(app.messages.shown.last().buttons, Messages::Yes | Messages::No | Messages::Cancel);

        app.messages.answers << Messages::Yes;
        doc->closeWindow();
        QTRY_COMPARE(app.windows(), 0);
        QCOMPARE(app.readFile("q.htm"), QByteArray("1q"));
        QCOMPARE(app.windows(), 0);
        QCOMPARE(app.panel(DocumentHost::CountPanel), QString("0 windows"));
        QCOMPARE(app.panel(DocumentHost::SizePanel), QString());
        QCOMPARE(app.panel(DocumentHost::PathPanel), QString());
        QVERIFY(app.main->action("Frames1")->isEnabled());
        QVERIFY(!app.main->action("FTP1")->isEnabled());
    }

    // "Save first ?" answered Yes must not lose the changes when the page
    // was not written after all.
    void yesKeepsTheWindowWhenTheSaveDidNotHappen()
    {
        AppFixture app;
        app.start();
        Teditform *doc = app.openPage("d/page.htm", "p");
        QVERIFY(doc);
        const QString page = doc->fileName();
        type(doc->CMemo1, "edit");
        QVERIFY(QDir(app.path("d")).removeRecursively());
        app.messages.answers << Messages::Yes << Messages::No; // save first; no folder
        doc->closeWindow();
        QApplication::processEvents();
        QCOMPARE(app.windows(), 1);
        QVERIFY(doc->CMemo1->modified());

        QDir().mkpath(app.path("d"));
        app.writeFile("d/page.htm", "p");
        QFile::setPermissions(page, QFile::ReadOwner);
        app.messages.answers << Messages::Yes; // the write fails
        doc->closeWindow();
        QApplication::processEvents();
        QCOMPARE(app.windows(), 1);
        QCOMPARE(app.messages.texts().last(), "Cannot create file " + page);
        QCOMPARE(doc->CMemo1->text(), QString("editp"));

        app.main->newDocument();
        Teditform *unnamed = app.active();
        type(unnamed->CMemo1, "u");
        app.messages.answers << Messages::Yes; // Save as is cancelled
        unnamed->closeWindow();
        QApplication::processEvents();
        QCOMPARE(app.windows(), 2);
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
        QVERIFY(app.active()->menus.Closeall1->isEnabled());
        app.messages.answers << Messages::No << Messages::Cancel;
        app.active()->menus.Closeall1->trigger();
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

    void autosaveNeedsASavedFile()
    {
        AppFixture app;
        app.start();
        app.main->newDocument();
        Teditform *unnamed = app.active();
        unnamed->menus.Autosave1->trigger();
        QCOMPARE(app.messages.texts().last(), QString("The file has no name, please save it first !"));
        QVERIFY(!unnamed->menus.Autosave1->isChecked());
        QVERIFY(!unnamed->autosave());

        Teditform *doc = app.openPage("auto.htm", "a");
        QVERIFY(doc);
        const QString page = doc->fileName();
        doc->menus.Autosave1->trigger();
        QVERIFY(doc->menus.Autosave1->isChecked());
        QCOMPARE(doc->windowTitle(), QString("auto.htm [autosave]"));
        type(doc->CMemo1, "1");
        app.messages.answers << Messages::Cancel;
        doc->closeWindow();
        QCOMPARE(app.messages.shown.last().text, QString("File auto.htm [autosave] has changed !! Save first ?"));
        doc->menus.Autosave1->trigger();
        QVERIFY(!doc->menus.Autosave1->isChecked());
        QCOMPARE(doc->windowTitle(), QString("auto.htm"));

        QFile::remove(page);
        doc->menus.Autosave1->trigger();
        QCOMPARE(app.messages.shown.last().text, QString("Please save the file in the normal way first"));
        QCOMPARE(app.messages.shown.last().kind, Messages::Kind::Error);
        QCOMPARE(app.messages.shown.last().helpContext, 20002);
        QVERIFY(!doc->menus.Autosave1->isChecked());
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
        autosaved->menus.Autosave1->trigger();
        type(autosaved->CMemo1, "2");
        app.main->mdiArea()->setActiveSubWindow(app.main->mdiArea()->subWindowList().first());
        QCOMPARE(app.active(), plain);
        QVERIFY(autosaved->autosave());

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
        app.active()->menus.Saveall1->trigger();
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
        QVERIFY(doc->menus.Undoundo1->isEnabled());
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
        app.active()->menus.Save1->trigger();
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
        doc->menus.Save1->trigger();
        QCOMPARE(app.readFile("big.htm"), bytes + "!");
    }
};

QTEST_MAIN(TestEditForm)
#include "tst_editform.moc"
