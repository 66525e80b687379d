#include "colormemo.h"
#include "loadform.h"
#include "support/appfixture.h"
#include "support/whenshown.h"
#include "tagundo.h"

#include <QAction>
#include <QClipboard>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>

using Messages::Button;

namespace {

// A page holding exactly the given text, nothing changed yet.
Teditform *pageWith(AppFixture &app, const QString &text)
{
    app.main->newDocument();
    Teditform *doc = app.active();
    doc->CMemo1->setText(text);
    doc->CMemo1->setModified(false);
    return doc;
}

void select(Teditform *doc, int start, int length)
{
    doc->CMemo1->setSelStart(start);
    doc->CMemo1->setSelLength(length);
}

void dropDownEditMenu(AppFixture &app)
{
    emit app.main->findChild<QMenu *>("Edit1")->aboutToShow();
}

} // namespace

class TestTextCommands : public QObject
{
    Q_OBJECT

    std::optional<AppFixture> app; // started afresh for every test

private slots:
    void init() { app.emplace().start(); }
    void cleanup() { app.reset(); }

    void clipboardCommandsFollowTheEditMenuRule()
    {
        Teditform *doc = pageWith(*app, "one\r\ntwo\r\n");
        QGuiApplication::clipboard()->clear();
        dropDownEditMenu(*app);
        QVERIFY(!app->item("Paste1")->isEnabled());
        QVERIFY(!app->item("Copy1")->isEnabled() && !app->item("Cut1")->isEnabled()
                && !app->item("Delete1")->isEnabled());
        select(doc, 0, 8); // "one", the break, "two"
        dropDownEditMenu(*app);
        QVERIFY(app->item("Copy1")->isEnabled() && app->item("Cut1")->isEnabled() && app->item("Delete1")->isEnabled());
        app->item("Copy1")->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("one\ntwo"));
        dropDownEditMenu(*app);
        QVERIFY(app->item("Paste1")->isEnabled());
        app->item("Cut1")->trigger();
        QCOMPARE(doc->CMemo1->text(), QString("\r\n"));
        QVERIFY(doc->CMemo1->modified());
        // The shortcuts follow the selection between drop-downs too.
        QVERIFY(!app->item("Copy1")->isEnabled());
        // A pasted text with CR LF breaks keeps one break per line; the
        // paste is a tag undo point.
        QGuiApplication::clipboard()->setText("a\r\nb");
        doc->CMemo1->setSelStart(0);
        app->item("Paste1")->trigger();
        QCOMPARE(doc->CMemo1->text(), QString("a\r\nb\r\n"));
        QVERIFY(app->item("Undolasttag1")->isEnabled());
        app->item("Undolasttag1")->trigger();
        QCOMPARE(doc->CMemo1->text(), QString("\r\n"));
    }

    void deleteAsksFirst()
    {
        Teditform *doc = pageWith(*app, "keep this");
        select(doc, 5, 4);
        app->messages.answers << Button::Cancel;
        app->item("Delete1")->trigger();
        QCOMPARE(app->messages.texts(), QStringList{"Are You sure ??"});
        QCOMPARE(doc->CMemo1->text(), QString("keep this"));
        QCOMPARE(doc->CMemo1->selText(), QString("this"));
        app->messages.answers << Button::Yes;
        app->item("Delete1")->trigger();
        QCOMPARE(doc->CMemo1->text(), QString("keep "));
    }

    void lineBreakToolsWorkOnTheSelection()
    {
        g_settings.lineBreakOption = "1";
        Teditform *doc = pageWith(*app, "<p>\r\none\r\ntwo</p>");
        select(doc, 5, 8); // "one", the break, "two"
        app->item("Setlinebreaks1")->trigger();
        QCOMPARE(doc->CMemo1->text(), QString("<p>\r\none<br>\r\ntwo<br></p>"));
        select(doc, 5, 16); // "one<br>", the break, "two<br>"
        app->item("removelinebreaks1")->trigger();
        // Nothing selected: nothing changes, the page stays unmodified.
        doc->CMemo1->setModified(false);
        doc->CMemo1->setSelStart(3);
        app->item("Setlinebreaks1")->trigger();
        app->item("removelinebreaks1")->trigger();
        QCOMPARE(doc->CMemo1->text(), QString("<p>\r\none\r\ntwo</p>"));
        QVERIFY(!doc->CMemo1->modified());
    }

    void removeEmptyLinesIsOneEdit()
    {
        app->main->newDocument();
        Teditform *doc = app->active();
        QSignalSpy changes(doc->CMemo1, &QPlainTextEdit::textChanged);
        app->item("Removeemptylines1")->trigger();
        QCOMPARE(doc->CMemo1->text(), QString("<HTML>\r\n<HEAD>\r\n<TITLE></TITLE>\r\n</HEAD>\r\n\r\n\r\n</HTML>\r\n"));
        QCOMPARE(changes.size(), 1);
        QCOMPARE(app->panel(DocumentHost::SizePanel), QString("55 bytes"));
    }

    void insertTextFileReadsAsPagesAreRead()
    {
        g_settings.textDirectory = app->dir.path();
        Teditform *doc = pageWith(*app, "[]");
        doc->CMemo1->setSelStart(1);
        const QString lf = app->writeFile("lf.txt", "a\nb\rc");
        app->dialogs.openAnswers << QStringList{lf};
        app->item("Insertfrom1")->trigger();
        QCOMPARE(doc->CMemo1->text(), QString("[a\r\nb\r\nc]"));
        QCOMPARE(doc->CMemo1->selStart(), 8);
        QCOMPARE(app->dialogs.requests.last().startFolder, app->dir.path());
        // Bytes that are no text come in byte for byte, NUL included.
        const QByteArray binary("x\0\xff\x01y", 5);
        app->dialogs.openAnswers << QStringList{app->writeFile("bin.dat", binary)};
        app->item("Insertfrom1")->trigger();
        QCOMPARE(doc->CMemo1->text().mid(8, 5), QString::fromLatin1(binary));
        // Cancelled, gone, or a folder: the page stays as it was.
        const QString before = doc->CMemo1->text();
        app->item("Insertfrom1")->trigger();
        for (const QString &bad : {app->path("gone.txt"), app->dir.path()}) {
            app->dialogs.openAnswers << QStringList{bad};
            app->item("Insertfrom1")->trigger();
            QCOMPARE(app->messages.texts().last(), QString("Cannot open file %1").arg(bad));
        }
        QCOMPARE(doc->CMemo1->text(), before);
    }

    // An ASCII page takes a UTF-8 file as UTF-8; a UTF-8 page takes the
    // bytes of a Latin-1 file as they are, here through the load window,
    // which shows the file's one long line in display lines.
    void insertedFilesKeepTheirBytesOnSave()
    {
        Teditform *ascii = app->openPage("ascii.htm", "<P></P>");
        ascii->CMemo1->setSelStart(3);
        app->dialogs.openAnswers << QStringList{app->writeFile("utf8.txt", "\xc3\xa9\xe2\x82\xac")};
        app->item("Insertfrom1")->trigger();
        QCOMPARE(app->panel(DocumentHost::SizePanel), QString("12 bytes"));
        app->item("Save1")->trigger();
        QCOMPARE(app->readFile("ascii.htm"), QByteArray("<P>\xc3\xa9\xe2\x82\xac</P>"));
        Teditform *utf8 = app->openPage("utf8.htm", "<P>\xc3\xa9</P>");
        utf8->CMemo1->setSelStart(3);
        const QByteArray latin = "caf\xe9" + QByteArray(20000, 'x');
        app->dialogs.openAnswers << QStringList{app->writeFile("latin.txt", latin)};
        whenShown<Tloadform>([&](Tloadform *load) {
            load->memo1->selectAll();
            QTest::mouseRelease(load->memo1->viewport(), Qt::LeftButton);
            QTRY_VERIFY(load->BitBtn1->isEnabled());
            load->BitBtn1->click();
        });
        app->item("Insertfromtextfile1")->trigger();
        app->item("Save1")->trigger();
        QCOMPARE(app->readFile("utf8.htm"), "<P>" + latin + "\xc3\xa9</P>");
        g_lastLoadFile.clear();
    }

    void loadWindowInsertsTheMarkedPart()
    {
        const QString notes = app->writeFile("notes.txt", "first line\nsecond line\n");
        Teditform *doc = pageWith(*app, "<>");
        doc->CMemo1->setSelStart(1);
        app->dialogs.openAnswers << QStringList{notes};
        bool okWasOff = false;
        whenShown<Tloadform>([&](Tloadform *load) {
            okWasOff = !load->BitBtn1->isEnabled();
            // Mark "line" and the break and "second" with the mouse's release.
            QTextCursor cursor(load->memo1->document());
            cursor.setPosition(6);
            cursor.setPosition(17, QTextCursor::KeepAnchor);
            load->memo1->setTextCursor(cursor);
            QTest::mouseRelease(load->memo1->viewport(), Qt::LeftButton);
            QTRY_VERIFY(load->BitBtn1->isEnabled());
            load->BitBtn1->click();
        });
        app->item("Insertfromtextfile1")->trigger();
        QVERIFY(okWasOff);
        QCOMPARE(doc->CMemo1->text(), QString("<line\r\nsecond>"));
        QCOMPARE(g_lastLoadFile, notes);
        // Next time the file shows at once; Cancel inserts nothing, and a
        // file shown without asking is not remembered again.
        const int asked = app->dialogs.requests.size();
        QString shown;
        whenShown<Tloadform>([&](Tloadform *load) {
            shown = load->memo1->toPlainText();
            load->BitBtn2->click();
        });
        app->item("Insertfromtextfile1")->trigger();
        QCOMPARE(app->dialogs.requests.size(), asked);
        QCOMPARE(shown, QString("first line\nsecond line\n"));
        QCOMPARE(doc->CMemo1->text(), QString("<line\r\nsecond>"));
        QVERIFY(g_lastLoadFile.isEmpty());
    }

    void aLastLoadFileThatHasGoneIsForgotten()
    {
        Teditform *doc = pageWith(*app, "page");
        g_lastLoadFile = app->path("removed.txt");
        QString shown = "not shown";
        whenShown<Tloadform>([&](Tloadform *load) {
            shown = load->memo1->toPlainText();
            load->close();
        });
        app->item("Insertfromtextfile1")->trigger();
        QCOMPARE(app->messages.texts(), QStringList{"Cannot open file " + app->path("removed.txt")});
        QCOMPARE(shown, QString());
        QVERIFY(g_lastLoadFile.isEmpty());
        QCOMPARE(doc->CMemo1->text(), QString("page"));
    }
};

QTEST_MAIN(TestTextCommands)
#include "tst_textcommands.moc"
