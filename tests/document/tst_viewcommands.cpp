#include "colormemo.h"
#include "fontform.h"
#include "hotkeypanel.h"
#include "support/appfixture.h"
#include "support/urlcatcher.h"
#include "support/pdftext.h"
#include "support/storedvalue.h"
#include "windowarrange.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTimer>
#include <QToolBar>

namespace {

// Answers the font window once it is up, as a user would.
void answerFontWindow(const std::function<void(Tfontform *)> &answer)
{
    QTimer::singleShot(0, [answer] {
        if (auto *form = qobject_cast<Tfontform *>(QApplication::activeModalWidget()))
            answer(form);
        else
            answerFontWindow(answer);
    });
}

void chooseFont(const QString &name, const QString &typedSize, bool asDefault)
{
    answerFontWindow([=](Tfontform *form) {
        form->ComboBox1->setEditText(name);
        form->SpinEdit1->selectAll();
        QTest::keyClicks(form->SpinEdit1, typedSize);
        form->CheckBox1->setChecked(asDefault);
        form->BitBtn2->click();
    });
}

// The stored font size, 0 when there is none.
qint32 storedFontSize()
{
    RegKey key;
    return key.openRead() && key.valueExists("VAR6") ? key.readInteger("VAR6") : 0;
}

void activate(AppFixture &app, Teditform *doc)
{
    app.main->mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow *>(doc->parentWidget()));
    QApplication::processEvents();
}

QList<QRect> geometries(AppFixture &app)
{
    QList<QRect> list;
    for (QMdiSubWindow *sub : app.main->mdiArea()->subWindowList())
        list << sub->geometry();
    return list;
}

} // namespace

class TestViewCommands : public QObject
{
    Q_OBJECT

    std::optional<AppFixture> app; // started afresh for every test

private slots:
    void init() { app.emplace().start(); }
    void cleanup() { app.reset(); }

    void printGoesThroughTheDialogToThePrinter()
    {
        g_settings.fontName = "DejaVu Sans";
        Teditform *doc = app->openPage("page.htm", "<HTML>\r\n<P>Hello</P>\r\n</HTML>");
        app->item("Printersetup1")->trigger(); // cancelled in the dialog
        QCOMPARE(app->dialogs.printContexts, QList<int>{10});
        const QString pdf = app->path("page.pdf");
        app->dialogs.printAnswers << pdf;
        QTest::keyClick(doc->CMemo1, Qt::Key_P, Qt::ControlModifier | Qt::AltModifier);
        QCOMPARE(pdf::pages(pdf), (QList<QStringList>{{"<HTML>", "<P>Hello</P>", "</HTML>"}}));
        QVERIFY(app->messages.shown.isEmpty());
        QCOMPARE(app->dialogs.printContexts, (QList<int>{10, 10}));
    }

    // On screen as on paper a tab is 8 blanks of the font wide.
    void tabsShowEightBlanksWide()
    {
        g_settings.fontName = "DejaVu Sans";
        g_settings.fontSize = 15;
        TColorMemo *memo = app->openPage("tabs.htm", "\tb\r\n        b")->CMemo1;
        const auto left = [memo](int line, int column) {
            QTextCursor at(memo->document());
            at.setPosition(memo->document()->findBlockByNumber(line).position() + column);
            return memo->cursorRect(at).left();
        };
        QCOMPARE(left(0, 1), left(1, 8));
        memo->setFont(QFont("DejaVu Sans", 9)); // as the font window does
        QCOMPARE(left(0, 1), left(1, 8));
    }

    // An empty page shows no print dialog; a printer that fails is reported.
    void emptyPageAndFailingPrinter()
    {
        QVERIFY(app->openPage("empty.htm", ""));
        app->item("Printersetup1")->trigger();
        QVERIFY(app->dialogs.printContexts.isEmpty());
        Teditform *doc = app->openPage("page.htm", "text");
        const QString unwritable = app->writeFile("afile", "x") + "/out.pdf";
        app->dialogs.printAnswers << unwritable;
        app->item("Printersetup1")->trigger();
        QCOMPARE(app->messages.texts(), QStringList{"Cannot print to the file " + unwritable});
        QCOMPARE(doc->CMemo1->text(), QString("text"));
    }

    // Printer setup from either window chooses the one printer that the
    // later jobs use.
    void printerSetupIsKeptForLaterJobs()
    {
        app->dialogs.printAnswers << app->path("setup.pdf");
        app->main->action("PrintSetup1")->trigger();
        QCOMPARE(app->main->printer().outputFileName(), app->path("setup.pdf"));
        app->main->newDocument();
        app->dialogs.printAnswers << app->path("other.pdf");
        app->item("Printersetup2")->trigger();
        app->main->action("ToolButton13")->trigger(); // cancelled: the choice stays
        QCOMPARE(app->main->printer().outputFileName(), app->path("other.pdf"));
        QCOMPARE(app->dialogs.printContexts, (QList<int>{9, 9, 9}));
    }

    // Each window's check marks are its own; the commands flip what is
    // shown, and activation wraps the text again without touching the mark.
    void checkMarksBelongToEachWindow()
    {
        Tmainform &main = *app->main;
        main.newDocument();
        Teditform *first = app->active();
        QAction *wrap = app->item("Wordwrapping1");
        QAction *toolbar = app->item("Toolbar1");
        QVERIFY(wrap->isChecked());
        wrap->trigger();
        QCOMPARE(first->CMemo1->lineWrapMode(), QPlainTextEdit::NoWrap);
        toolbar->trigger();
        QVERIFY(main.toolBar()->isHidden());
        QVERIFY(!wrap->isChecked() && !toolbar->isChecked());
        main.newDocument();
        Teditform *second = app->active();
        QVERIFY(wrap->isChecked() && toolbar->isChecked());
        QTest::keyClick(second->CMemo1, Qt::Key_T, Qt::ControlModifier | Qt::AltModifier);
        QVERIFY(!main.toolBar()->isHidden() && !toolbar->isChecked());
        app->item("HotKeys1")->trigger();
        QVERIFY(main.hotKeyPanel()->isVisible());
        QVERIFY(app->item("HotKeys1")->isChecked());
        activate(*app, first);
        QCOMPARE(first->CMemo1->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        QCOMPARE(first->CMemo1->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QVERIFY(!wrap->isChecked() && !toolbar->isChecked() && !app->item("HotKeys1")->isChecked());
        wrap->trigger();
        QVERIFY(wrap->isChecked());
        QCOMPARE(first->CMemo1->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    }

    // Without "Set chosen values as default" the font lasts for this run:
    // the active page takes it at once, the others at their next
    // activation, and nothing is stored.
    void fontWindowSetsTheEditorFont()
    {
        app->main->newDocument();
        Teditform *first = app->active();
        app->main->newDocument();
        Teditform *second = app->active();
        chooseFont("DejaVu Serif", "14", false);
        QTest::keyClick(second->CMemo1, Qt::Key_F, Qt::ControlModifier | Qt::AltModifier);
        QCOMPARE(second->CMemo1->font().family(), QString("DejaVu Serif"));
        QCOMPARE(second->CMemo1->font().pointSize(), 14);
        QCOMPARE(first->CMemo1->font().pointSize(), 10);
        activate(*app, first);
        QCOMPARE(first->CMemo1->font().pointSize(), 14);
        QCOMPARE(storedFontSize(), 0);
        // With it, the font is stored; the toolbar button does the same.
        chooseFont("DejaVu Sans Mono", "9", true);
        app->main->action("ToolButton28")->trigger();
        QCOMPARE(first->CMemo1->font().family(), QString("DejaVu Sans Mono"));
        QCOMPARE(storedValue("VAR5"), QString("DejaVu Sans Mono"));
        QCOMPARE(storedFontSize(), 9);
    }

    void fontWindowTakesOddInput()
    {
        app->main->newDocument();
        Teditform *doc = app->active();
        // A name the system does not know is kept; a font stands in for it.
        chooseFont("No Such Font Anywhere", "12", false);
        app->item("SetFont1")->trigger();
        QCOMPARE(g_settings.fontName, QString("No Such Font Anywhere"));
        QCOMPARE(doc->CMemo1->font().family(), QString("No Such Font Anywhere"));
        QVERIFY(!QFontInfo(doc->CMemo1->font()).family().isEmpty());
        app->dialogs.printAnswers << app->path("odd.pdf");
        app->item("Printersetup1")->trigger();
        QVERIFY(pdf::pages(app->path("odd.pdf")).value(0).contains("<TITLE></TITLE>"));
        // A size typed outside 8 to 18 becomes the nearest one.
        for (const auto &[typed, size] : {std::pair{"25", 18}, {"3", 8}}) {
            chooseFont("DejaVu Sans", typed, false);
            app->item("SetFont1")->trigger();
            QCOMPARE(g_settings.fontSize, size);
        }
        // Cancel changes nothing; Help opens the font window's topic.
        ScriptedHelp help;
        const Settings before = g_settings;
        answerFontWindow([](Tfontform *form) {
            form->ComboBox1->setEditText("Verdana");
            form->BitBtn3->click();
            form->BitBtn1->click();
        });
        app->main->action("ToolButton28")->trigger();
        QCOMPARE(g_settings.fontName, before.fontName);
        QCOMPARE(help.topics, QList<int>{1032});
    }

    void previousAndNextWrapAround()
    {
        Tmainform &main = *app->main;
        for (int i = 0; i < 3; ++i)
            main.newDocument();
        const QList<Teditform *> docs = main.documents().windows();
        QCOMPARE(app->active(), docs[2]);
        QTest::keyClick(docs[2]->CMemo1, Qt::Key_Right, Qt::ControlModifier | Qt::AltModifier);
        QCOMPARE(app->active(), docs[0]);
        QTest::keyClick(docs[0]->CMemo1, Qt::Key_Left, Qt::ControlModifier | Qt::AltModifier);
        QCOMPARE(app->active(), docs[2]);
        app->item("Previous1")->trigger();
        QCOMPARE(app->active(), docs[1]);
    }

    void tileAndCascade()
    {
        Tmainform &main = *app->main;
        for (int i = 0; i < 3; ++i)
            main.newDocument();
        const QRect area = main.mdiArea()->viewport()->rect();
        app->item("Tile1")->trigger();
        QCOMPARE(geometries(*app), stackedTiles(area, 3));
        Teditform *front = app->active();
        main.action("ToolButton22")->trigger();
        const QList<QRect> cascade = geometries(*app);
        QCOMPARE(cascade[0].topLeft(), area.topLeft());
        QCOMPARE(cascade[2].bottomRight(), area.bottomRight()); // as large as the cascade allows
        QCOMPARE(app->active(), front);
    }

    void tileCascadeAndIconGeometry()
    {
        // A cascade's windows are as large as it allows; past half the
        // area's size a new run starts at the top left.
        QCOMPARE(cascadePlaces(QRect(0, 0, 400, 300), 3, 20),
                 (QList<QRect>{QRect(0, 0, 360, 260), QRect(20, 20, 360, 260), QRect(40, 40, 360, 260)}));
        const QList<QRect> many = cascadePlaces(QRect(0, 0, 400, 300), 10, 20);
        QCOMPARE(many[7], QRect(140, 140, 260, 160));
        QCOMPARE(many[8], QRect(0, 0, 260, 160));
        QCOMPARE(newWindowPlace(QRect(0, 0, 400, 300), std::nullopt, 20), QRect(0, 0, 300, 240));
        QCOMPARE(newWindowPlace(QRect(0, 0, 400, 300), QPoint(80, 40), 20), QRect(100, 60, 300, 240));
        QCOMPARE(newWindowPlace(QRect(0, 0, 400, 300), QPoint(100, 0), 20), QRect(0, 0, 300, 240));
        QCOMPARE(stackedTiles(QRect(0, 0, 300, 100), 3),
                 (QList<QRect>{QRect(0, 0, 300, 33), QRect(0, 33, 300, 33), QRect(0, 66, 300, 34)}));
        QVERIFY(stackedTiles(QRect(0, 0, 300, 100), 0).isEmpty());
        // A full row starts the next one above it.
        QCOMPARE(iconPlaces(QRect(0, 0, 250, 100), {QSize(100, 20), QSize(100, 20), QSize(100, 20)}),
                 (QList<QPoint>{QPoint(0, 80), QPoint(100, 80), QPoint(0, 60)}));
    }

    void launchBrowserOpensTheSavedFile()
    {
        UrlCatcher desktop;
        Teditform *doc = app->openPage("index.htm", "x");
        QTest::keyClick(doc->CMemo1, Qt::Key_G, Qt::ControlModifier);
        QCOMPARE(desktop.opened, QList<QUrl>{QUrl::fromLocalFile(app->path("index.htm"))});
        QVERIFY(app->messages.shown.isEmpty());
        QVERIFY(QFile::remove(app->path("index.htm")));
        app->item("N15")->trigger();
        QCOMPARE(desktop.opened.size(), 1);
        QCOMPARE(app->messages.texts(), QStringList{"The file has not yet been saved !"});
    }
};

QTEST_MAIN(TestViewCommands)
#include "tst_viewcommands.moc"
