#include "help.h"
#include "helpcontexts.h"
#include "helpfile.h"
#include "helpwindow.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

namespace {

const QString kSource = QStringLiteral(QUENDEL_SOURCE_DIR);
const QString kBuild = QStringLiteral(QUENDEL_BUILD_DIR);

const char kSmallFile[] =
    "<html><head><style>h2 { color: #804040; }</style></head><body>\n"
    "<section id=\"contents\"><h1>Contents</h1><a href=\"#1021\">Searching</a> <a href=\"#6\">Saving</a></section>\n"
    "<section id=\"1021\"><h2>Searching <i>text</i></h2><p>Look for a word. See <a href=\"#6\">saving</a>."
    " The word needle stands here.</p></section>\n"
    "<SECTION ID=\"6\"><p>Saving without a heading.</p></SECTION>\n"
    "<section id=\"6\"><h2>Second six</h2></section>\n"
    "<section id=\"notanumber\"><h2>Ignored</h2></section>\n"
    "</body></html>";

QString shownText(HelpWindow &window)
{
    return window.browser()->toPlainText();
}

} // namespace

class TestHelpFile : public QObject
{
    Q_OBJECT

private slots:
    // Every context has a topic, the contents list every topic, every link
    // leads to a topic, and every topic has a title and some sentences.
    void shippedFileHolds()
    {
        const HelpFile help = HelpFile::load({kSource + "/resources/quendel.hlp"});
        QCOMPARE(help.state(), HelpFile::State::Loaded);
        for (int context : HelpContext::kAll)
            QVERIFY2(help.hasTopic(context), qPrintable(QString::number(context)));
        static const QRegularExpression link(QStringLiteral("href=\"#([^\"]+)\""));
        QSet<int> listed;
        for (auto it = link.globalMatch(help.contentsPage()); it.hasNext();)
            listed.insert(it.next().captured(1).toInt());
        for (int context : help.contexts()) {
            QVERIFY2(listed.contains(context), qPrintable(QString::number(context)));
            QVERIFY(!help.title(context).startsWith("Topic "));
            const QString page = help.topicPage(context);
            QVERIFY2(page.count('.') >= 2, qPrintable(help.title(context)));
            for (auto it = link.globalMatch(page); it.hasNext();) {
                const QString target = it.next().captured(1);
                QVERIFY2(target == "contents" || help.hasTopic(target.toInt()), qPrintable(target));
            }
        }
        const QList<int> contexts = help.contexts();
        QCOMPARE(QSet<int>(contexts.begin(), contexts.end()), listed);
    }

    // The build puts the file beside the program; an install puts it into
    // the data folder, where the installed program finds it.
    void builtAndInstalled()
    {
        QFile shipped(kSource + "/resources/quendel.hlp");
        QFile built(kBuild + "/quendel.hlp");
        QVERIFY(shipped.open(QIODevice::ReadOnly) && built.open(QIODevice::ReadOnly));
        QCOMPARE(built.readAll(), shipped.readAll());
        QTemporaryDir prefix;
        QProcess install;
        install.start(QStringLiteral(CMAKE_COMMAND), {"--install", kBuild, "--prefix", prefix.path()});
        QVERIFY(install.waitForFinished(120000));
        QCOMPARE(install.exitCode(), 0);
        const QStringList candidates = helpFileCandidates(prefix.filePath("bin"));
        QCOMPARE(candidates.value(0), prefix.filePath("bin/quendel.hlp"));
        QVERIFY(QFileInfo::exists(prefix.filePath("bin/quendel")));
        const HelpFile installed = HelpFile::load(candidates);
        QCOMPARE(installed.path(), prefix.filePath("share/quendel/quendel.hlp"));
        QCOMPARE(installed.state(), HelpFile::State::Loaded);
    }

    void badFilesAreSaidOnThePage()
    {
        QTemporaryDir dir;
        const QString missing = dir.filePath("nowhere/quendel.hlp");
        const HelpFile none = HelpFile::load({missing, dir.filePath("quendel.hlp")});
        QCOMPARE(none.state(), HelpFile::State::Missing);
        QVERIFY(none.topicPage(1021).contains("quendel.hlp was not found"));
        QVERIFY(none.contentsPage().contains(missing));
        for (const char *text : {"", "<section id=\"3\"><h2>Cut off"}) {
            const HelpFile empty = HelpFile::parse("empty.hlp", text);
            QCOMPARE(empty.state(), HelpFile::State::NoTopics);
            QVERIFY(empty.contentsPage().contains("holds no help topics"));
        }
        QDir().mkpath(dir.filePath("folder.hlp"));
        const HelpFile folder = HelpFile::load({dir.filePath("folder.hlp")});
        QCOMPARE(folder.state(), HelpFile::State::Unreadable);
        QVERIFY(folder.topicPage(3).contains("could not be read"));
        const HelpFile small = HelpFile::parse("small.hlp", kSmallFile);
        QCOMPARE(small.state(), HelpFile::State::Loaded);
        QCOMPARE(small.contexts(), (QList<int>{6, 1021}));
        QCOMPARE(small.title(1021), QString("Searching text"));
        QCOMPARE(small.title(6), QString("Topic 6")); // the first of two sixes, untitled
        QVERIFY(small.topicPage(6).contains("Saving without a heading"));
        QVERIFY(small.topicPage(6).contains("h2 { color: #804040; }"));
        QVERIFY(small.topicPage(4002).contains("has no topic for the help context 4002"));
        // Without a contents section the contents are made from the topics.
        const HelpFile bare = HelpFile::parse("bare.hlp", "<section id=\"7\"><h1>Seven</h1></section>");
        QVERIFY(bare.contentsPage().contains("<a href=\"#7\">Seven</a>"));
    }

    void viewerShowsFollowsAndFinds()
    {
        HelpWindow window(HelpFile::parse("small.hlp", kSmallFile));
        window.show();
        window.showTopic(1021);
        QVERIFY(shownText(window).startsWith("Searching text"));
        QVERIFY(!window.backButton->isEnabled());
        // A link to another topic, then back and forward.
        emit window.browser()->anchorClicked(QUrl("help:1021#6"));
        QVERIFY(shownText(window).contains("Saving without a heading"));
        QVERIFY(window.backButton->isEnabled());
        window.backButton->click();
        QVERIFY(shownText(window).startsWith("Searching text"));
        window.contentsButton->click();
        QVERIFY(shownText(window).startsWith("Contents"));
        window.showTopic(1021);
        window.findField->setText("needle");
        QTest::keyClick(window.findField, Qt::Key_Return);
        QCOMPARE(window.browser()->textCursor().selectedText(), QString("needle"));
        window.findField->setText("haystack");
        window.findButton->click();
        QCOMPARE(window.findNote->text(), QString("Not found"));
        window.showTopic(99);
        QVERIFY(shownText(window).contains("has no topic for the help context 99"));
    }

    // Help asked for from a modal dialog can be used: the viewer is modal
    // above the dialog.
    void viewerTakesInputAboveAModalDialog()
    {
        HelpWindow window(HelpFile::parse("small.hlp", kSmallFile));
        window.present();
        QCOMPARE(window.windowModality(), Qt::NonModal);
        QDialog dialog;
        Qt::WindowModality modality = Qt::NonModal;
        QTimer::singleShot(0, &dialog, [&] {
            window.showTopic(1021);
            window.present();
            modality = window.windowModality();
            QVERIFY(window.isVisible());
            window.close();
            dialog.reject();
        });
        dialog.exec();
        QCOMPARE(modality, Qt::ApplicationModal);
        window.present();
        QCOMPARE(window.windowModality(), Qt::NonModal);
    }

    // With no viewer installed the real one opens; beside this test there
    // is no help file, which its page says.
    void realViewerOpensAtTheTopic()
    {
        Help::showTopic(1021);
        HelpWindow *window = nullptr;
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (auto *help = qobject_cast<HelpWindow *>(widget); help && help->isVisible())
                window = help;
        }
        QVERIFY(window);
        QVERIFY(shownText(*window).contains("quendel.hlp was not found"));
        QVERIFY(window->testAttribute(Qt::WA_DeleteOnClose));
        window->close();
    }
};

QTEST_MAIN(TestHelpFile)
#include "tst_helpfile.moc"
