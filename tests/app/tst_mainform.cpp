#include "bytetext.h"
#include "colormemo.h"
#include "hotkeypanel.h"
#include "nativefiles.h"
#include "support/appfixture.h"
#include "support/files.h"
#include "support/urlcatcher.h"
#include "support/wholecaption.h"
#include "windowarrange.h"

#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScopeGuard>
#include <QSet>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QTimer>
#include <QDialog>

namespace {

bool enabled(Tmainform &main, const char *name)
{
    return main.action(name)->isEnabled();
}

// Every command reachable from the menu bar, submenus included.
QList<QAction *> barActions(QMenuBar *bar)
{
    QList<QAction *> all;
    std::function<void(QAction *)> walk = [&](QAction *action) {
        all << action;
        if (QMenu *menu = action->menu()) {
            for (QAction *inner : menu->actions())
                walk(inner);
        }
    };
    for (QAction *action : bar->actions())
        walk(action);
    return all;
}

} // namespace

class TestMainForm : public QObject
{
    Q_OBJECT

private slots:
    void firstStartWithoutAStore()
    {
        AppFixture app(false);
        app.messages.answers << Messages::No;
        Tmainform &main = app.start();
        QCOMPARE(app.messages.shown.size(), 2);
        QCOMPARE(app.messages.shown[0].helpContext, 3003); // install now?
        QCOMPARE(app.messages.shown[1].helpContext, 1028); // how to later
        // The defaults serve this run; the question comes back next time.
        for (int n = 1; n <= TagTable::kSlots; ++n)
            QCOMPARE(g_tags.slot(n).opening, QString::fromLatin1(tagDefault(n).opening));
        QVERIFY(!app.readFile("Quendel.reg").contains("tagsins"));
        QVERIFY(!enabled(main, "FTP1") && !enabled(main, "ToolButton3") && !enabled(main, "ToolButton28"));
        QVERIFY(enabled(main, "Frames1") && enabled(main, "ToolButton1"));
        QCOMPARE(app.panel(DocumentHost::CountPanel), QString("0 windows"));
        QCOMPARE(main.windowTitle(), QString("Quendel | version 3.5 "));
        QVERIFY(!main.hotKeyPanel()->isVisible());
    }

    void agreeingInstallsTheTable()
    {
        AppFixture app(false);
        app.messages.answers << Messages::Yes;
        app.start();
        QCOMPARE(app.messages.shown.size(), 1);
        QVERIFY(app.readFile("Quendel.reg").contains("\"tagsins\"=dword:00000001"));
        QCOMPARE(g_tags.slot(56).opening, QString("----------"));
        QCOMPARE(g_tags.captions[0], QString("----------"));
    }

    void onlyTheFirstArgumentOpens()
    {
        AppFixture app;
        const QString first = app.writeFile("first.htm", "1");
        Tmainform &main = app.start({first, app.writeFile("second.htm", "2")});
        QCOMPARE(app.windows(), 1);
        QCOMPARE(app.active()->page().fileName(), first);
        QCOMPARE(app.panel(DocumentHost::CountPanel), QString("1 windows"));
        QVERIFY(enabled(main, "FTP1"));
        QVERIFY(!enabled(main, "Frames1"));
        QVERIFY(app.messages.shown.isEmpty());
        main.openDocuments(); // the dialog offers the page; cancelled
        QCOMPARE(app.dialogs.requests.last().fileName, first);
    }

    // A relative name that is not UTF-8 names its file from start-up on,
    // wherever the working directory goes later.
    void aRelativeLatin1ArgumentIsThePage()
    {
        AppFixture app;
        const QString page = QDir(app.dir.path()).canonicalPath() + ByteText::decode("/caf\xe9.html");
        QVERIFY(NativeFiles::write(page, "<P>"));
        const auto cleanUp = qScopeGuard([&, before = QDir::currentPath()] {
            QDir::setCurrent(before);
            removeContents(app.dir.path());
        });
        QVERIFY(QDir::setCurrent(app.dir.path()));
        Tmainform &main = app.start({ByteText::decode("caf\xe9.html")});
        QVERIFY(QDir::setCurrent(QDir::rootPath()));
        Teditform *doc = app.active();
        QCOMPARE(doc->page().fileName(), page);
        QCOMPARE(doc->windowTitle(), QString::fromUtf8("caf\xef\xbf\xbd.html"));
        QCOMPARE(app.panel(DocumentHost::PathPanel), ByteText::displayed(page));
        QVERIFY(app.messages.shown.isEmpty());
        QTest::keyClicks(doc->CMemo1, "x");
        app.item("Save1")->trigger();
        QCOMPARE(NativeFiles::read(page).value_or("unread"), QByteArray("x<P>"));
        app.item("Autosave1")->trigger(); // the file is there
        QCOMPARE(doc->windowTitle(), QString::fromUtf8("caf\xef\xbf\xbd.html [autosave]"));
        UrlCatcher desktop;
        app.item("N15")->trigger();
        QCOMPARE(desktop.opened.value(0).toEncoded(), NativeFiles::fileUrl(page));
        main.openDocuments(); // cancelled
        QCOMPARE(app.dialogs.requests.last().fileName, page);
        QVERIFY(app.messages.shown.isEmpty());
    }

    // A start-up file that cannot be read is reported, and the rest of
    // start-up still runs: the question, the repair and the toolbar.
    void unreadableArgumentStillFinishesStartup()
    {
        AppFixture app(false);
        QDir().mkpath(app.path("afolder"));
        app.messages.answers << Messages::OK << Messages::No;
        Tmainform &main = app.start({app.path("afolder")});
        QCOMPARE(app.messages.texts().value(0), "Cannot open file " + app.path("afolder"));
        QCOMPARE(app.messages.shown.value(1).helpContext, 3003);
        QCOMPARE(app.windows(), 1);
        QVERIFY(!app.active()->page().named());
        QVERIFY(!g_tags.slot(1).opening.isEmpty());
        QVERIFY(enabled(main, "ToolButton3"));
        QVERIFY(!enabled(main, "FTP1"));
    }

    void emptyArgumentOpensNothing()
    {
        AppFixture app;
        app.start({QString()});
        QCOMPARE(app.windows(), 0);
        QVERIFY(app.messages.shown.isEmpty());
    }

    void openDialogOpensEveryChosenFileInOrder()
    {
        AppFixture app;
        Tmainform &main = app.start();
        g_settings.openDirectory = app.path("pages");
        const QStringList files = {app.writeFile("pages/a.htm", "a"), app.writeFile("pages/b.css", "b"),
                                   app.writeFile("pages/c.txt", "c")};
        app.dialogs.openAnswers << files;
        main.action("ToolButton2")->trigger();
        QCOMPARE(app.dialogs.requests.last().startFolder, app.path("pages"));
        QStringList opened;
        for (Teditform *doc : main.documents().windows())
            opened << doc->page().fileName();
        QCOMPARE(opened, files);
        QCOMPARE(app.active()->page().fileName(), files.last());
        // The files after one that cannot be read are not opened.
        app.dialogs.openAnswers << QStringList{app.path("pages/missing.htm"), files[0]};
        main.openDocuments();
        QCOMPARE(app.windows(), 4);
        QCOMPARE(app.messages.texts(), QStringList{"Cannot open file " + app.path("pages/missing.htm")});
    }

    // A page's menus join the bar, its File menu in place of the main
    // window's; they go with the last page.
    void menusMergeByGroup()
    {
        AppFixture app;
        Tmainform &main = app.start();
        const auto fileMenu = [&main] { return main.menuBar()->actions().first()->menu(); };
        QCOMPARE(main.menuBar()->actions().size(), 3);
        QVERIFY(!fileMenu()->actions().contains(app.item("Save1")));
        main.newDocument();
        QCOMPARE(main.menuBar()->actions().size(), 17);
        QVERIFY(fileMenu()->actions().contains(app.item("Save1")));
        QCOMPARE(main.menuBar()->actions().last()->text(), QString("&Help"));
        app.active()->closeWindow();
        QTRY_COMPARE(main.menuBar()->actions().size(), 3);
        QVERIFY(!fileMenu()->actions().contains(app.item("Save1")));
    }

    void windowMenuListsTheOpenPages()
    {
        AppFixture app;
        Tmainform &main = app.start();
        QVERIFY(main.openDocument(app.writeFile("a.htm", "a")));
        QVERIFY(main.openDocument(app.writeFile("b.htm", "b")));
        QMenu *menu = main.findChild<QMenu *>("Window1");
        for (int round = 0; round < 2; ++round) { // listed afresh each time
            emit menu->aboutToShow();
            QStringList entries;
            for (QAction *action : menu->actions()) {
                if (action->property("windowEntry").toBool())
                    entries << action->text() + (action->isChecked() ? "*" : "");
            }
            QCOMPARE(entries, (QStringList{"&1 a.htm", "&2 b.htm*"}));
        }
        menu->actions().at(menu->actions().size() - 2)->trigger();
        QCOMPARE(app.active()->windowTitle(), QString("a.htm"));
    }

    // With several windows open every key still means one command: the
    // inactive windows' menus are not on the bar, so their keys sleep.
    void shortcutsStayUnambiguous()
    {
        AppFixture app;
        Tmainform &main = app.start();
        QVERIFY(main.openDocument(app.writeFile("one.htm", "one")));
        QVERIFY(main.openDocument(app.writeFile("two.htm", "two")));
        QSet<QKeySequence> seen;
        QList<QAction *> actions = barActions(main.menuBar());
        for (QMdiSubWindow *sub : main.mdiArea()->subWindowList())
            actions << sub->systemMenu()->actions();
        for (QAction *action : actions) {
            for (const QKeySequence &key : action->shortcuts()) {
                QVERIFY2(!seen.contains(key), qPrintable(key.toString()));
                seen.insert(key);
            }
        }
        QVERIFY(seen.size() > 110 && seen.contains(QKeySequence("Ctrl+Alt+S"))
                && seen.contains(QKeySequence("Ctrl+W")));
        Teditform *two = app.active();
        QTest::keyClicks(two->CMemo1, "2");
        QTest::keyClick(two->CMemo1, Qt::Key_S, Qt::ControlModifier | Qt::AltModifier);
        QCOMPARE(app.readFile("two.htm"), QByteArray("2two"));
        QCOMPARE(app.readFile("one.htm"), QByteArray("one"));
        // Ctrl+Alt+N from the text opens a new page.
        QTest::keyClick(two->CMemo1, Qt::Key_N, Qt::ControlModifier | Qt::AltModifier);
        QCOMPARE(app.windows(), 3);
    }

    // Each panel shows its text whole, the longest explanation and the
    // size of a 50 MB page among them, and keeps at least its own width.
    void statusPanelsShowTheirTextsWhole()
    {
        AppFixture app;
        Tmainform &main = app.start();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        QTest::mouseMove(main.toolBar()->widgetForAction(main.action("ToolButton1")));
        QTRY_COMPARE(app.panel(DocumentHost::HintPanel), QString("Click here to open a file with the basic HTML tags"));
        QTest::mouseMove(main.mdiArea(), QPoint(300, 300));
        QTRY_COMPARE(app.panel(DocumentHost::HintPanel), QString());
        main.setPanel(DocumentHost::SizePanel, QStringLiteral("52428800 bytes"));
        main.setPanel(DocumentHost::CountPanel, QStringLiteral("100 windows"));
        QTRY_COMPARE(cutCaptions(*main.statusBar()), QStringList());
        QVERIFY(main.panel(DocumentHost::ModifiedPanel)->width() >= 60);
    }

    // The configuration window opens from Ctrl+W; whatever its answer, the
    // open pages take the font settings afterwards.
    void configurationRefreshesThePages()
    {
        AppFixture app;
        Tmainform &main = app.start();
        main.newDocument();
        g_settings.fontSize = 15;
        QString caption;
        QTimer::singleShot(0, &main, [&caption] {
            for (QWidget *widget : QApplication::topLevelWidgets()) {
                if (auto *dialog = qobject_cast<QDialog *>(widget); dialog && dialog->isVisible()) {
                    caption = dialog->windowTitle();
                    dialog->reject();
                }
            }
        });
        QTest::keyClick(app.active()->CMemo1, Qt::Key_W, Qt::ControlModifier);
        QCOMPARE(caption, QString("Configuration"));
        QCOMPARE(app.active()->CMemo1->font().pointSize(), 15);
    }

    // The legend shows each heading and item whole and as written.
    void hotKeyPanelShowsEveryLineWhole()
    {
        AppFixture app;
        Tmainform &main = app.start();
        main.hotKeyPanel()->show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        QStringList texts;
        for (QLabel *label : main.hotKeyPanel()->widget()->findChildren<QLabel *>())
            texts << label->text();
        QVERIFY(texts.contains("> (Ctrl+Shift+<)"));
        QVERIFY(texts.contains("Formtags(Shift+Ctrl+)"));
        QCOMPARE(cutCaptions(*main.hotKeyPanel()), QStringList());
        QCOMPARE(main.hotKeyPanel()->width(), 144);
    }

    // With the frame maximised each new page opens wholly inside it, a
    // title bar right of and below the one before, again at the top left
    // when the next would not fit.
    void newPagesOpenInsideTheFrame()
    {
        AppFixture app;
        Tmainform &main = app.start();
        main.showMaximized();
        QApplication::processEvents();
        const QRect area = main.mdiArea()->viewport()->rect();
        QList<QRect> places;
        for (int i = 0; i < 12; ++i) {
            main.newDocument();
            places << main.mdiArea()->activeSubWindow()->geometry();
            QVERIFY2(area.contains(places.last()), qPrintable(QString::number(i)));
        }
        const int step = titleBarHeight(*main.mdiArea()->activeSubWindow());
        QVERIFY(step > 10);
        QCOMPARE(places[0].topLeft(), area.topLeft());
        QCOMPARE(places[1].topLeft(), area.topLeft() + QPoint(step, step));
        const int again = places.indexOf(places[0], 1);
        QVERIFY(again > 2);
        QVERIFY(!area.contains(places[again - 1].translated(step, step)));
    }

    void exitAsksForEveryChangedPage()
    {
        AppFixture app;
        Tmainform &main = app.start();
        main.newDocument();
        QTest::keyClicks(app.active()->CMemo1, "x");
        app.messages.answers << Messages::Cancel;
        QVERIFY(!main.close());
        QCOMPARE(app.windows(), 1);
        app.messages.answers << Messages::No;
        QVERIFY(main.close());
        QApplication::processEvents();
        QCOMPARE(app.windows(), 0);
    }
};

QTEST_MAIN(TestMainForm)
#include "tst_mainform.moc"
