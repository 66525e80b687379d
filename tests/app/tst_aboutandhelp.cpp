// The Help menu and the help, about and web commands of the main window.
#include "aboutform.h"
#include "colormemo.h"
#include "support/appfixture.h"
#include "support/urlcatcher.h"

#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>
#include <QTextEdit>
#include <QTimer>

class TestAboutAndHelp : public QObject
{
    Q_OBJECT

private slots:
    void helpWindowOpensAtTheContents()
    {
        AppFixture app;
        Tmainform &main = app.start();
        ScriptedHelp help;
        QTest::keyClick(&main, Qt::Key_H, Qt::ControlModifier);
        main.action("ToolButton25")->trigger();
        main.newDocument();
        QTest::keyClick(app.active()->CMemo1, Qt::Key_H, Qt::ControlModifier);
        QCOMPARE(help.contentsShown, 3);
        QVERIFY(help.topics.isEmpty());
    }

    void updatesAndNewsOpensTheDownloadPage()
    {
        AppFixture app;
        Tmainform &main = app.start();
        UrlCatcher desktop;
        QTest::keyClick(&main, Qt::Key_U, Qt::ControlModifier | Qt::AltModifier);
        qputenv("QUENDEL_SITE", "http://mirror.example.test");
        main.action("Updatesnews1")->trigger();
        qunsetenv("QUENDEL_SITE");
        QCOMPARE(desktop.opened, (QList<QUrl>{QUrl("http://www.quendel.org/download.html"),
                                              QUrl("http://mirror.example.test/download.html")}));
    }

    void aboutBoxOpensModallyWithCloseFocused()
    {
        AppFixture app;
        Tmainform &main = app.start();
        bool closeHasFocus = false;
        QTimer::singleShot(0, &main, [&] {
            auto *about = qobject_cast<Tabout *>(QApplication::activeModalWidget());
            QVERIFY(about);
            closeHasFocus = about->focusWidget() == about->BitBtn1;
            about->BitBtn1->click();
        });
        main.action("About1")->trigger();
        QVERIFY(closeHasFocus);
    }

    // It keeps its size and its text whatever is tried.
    void aboutBoxCannotBeResizedOrEdited()
    {
        Tabout about;
        about.show();
        const QSize size = about.size();
        about.resize(600, 200);
        QApplication::processEvents();
        QCOMPARE(about.size(), size);
        // Each listed line shows as one line, wholly inside the box.
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        for (QTextBlock line = about.abmemo->document()->begin(); line.isValid(); line = line.next())
            QCOMPARE(line.layout()->lineCount(), 1);
        QCOMPARE(about.abmemo->horizontalScrollBar()->maximum(), 0);
        const QString text = about.abmemo->toPlainText();
        QTest::mouseClick(about.abmemo->viewport(), Qt::LeftButton);
        QTest::keyClicks(about.abmemo, "typed");
        QTest::keyClick(about.abmemo, Qt::Key_Delete);
        QCOMPARE(about.abmemo->toPlainText(), text);
        QVERIFY(about.abmemo->isReadOnly());
        QCOMPARE(about.abmemo->viewport()->cursor().shape(), Qt::ForbiddenCursor);
    }
};

QTEST_MAIN(TestAboutAndHelp)
#include "tst_aboutandhelp.moc"
