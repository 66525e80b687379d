// Whole runs of the frames wizard from the main window's "Frames... ":
// the windows answered as a user would, the questions and the folder
// chooser through their seams, the pages checked on disk.
#include "bytetext.h"
#include "colormemo.h"
#include "dirdia.h"
#include "directoryedit.h"
#include "framenamesform.h"
#include "frameoptionsform.h"
#include "framesizeform.h"
#include "framewizard.h"
#include "frwizard1.h"
#include "layoutpicture.h"
#include "support/appfixture.h"
#include "support/files.h"

#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <filesystem>
#include <fstream>
#include <functional>

using Messages::Button;

namespace {

// How the user answers the wizard's windows.
struct Answers {
    int layout = 1;
    QStringList frameFiles{"a.htm", "b.htm"};
    QString framesetFile = "index.htm";
    QList<int> existing; // frames (0-based) marked "Existing file"
    QString directory;
    QString cancelIn; // the class of the window left with Cancel
    std::function<void(FrameSizeForm &)> sizes;
};

// Answers each modal window as it comes up and records its class.
class WindowAnswerer : public QObject
{
public:
    explicit WindowAnswerer(Answers answers) : m_answers(std::move(answers))
    {
        connect(&m_timer, &QTimer::timeout, this, &WindowAnswerer::poll);
        m_timer.start(1);
    }

    QStringList windows;

private:
    void poll()
    {
        auto *window = qobject_cast<WizardDialog *>(QApplication::activeModalWidget());
        if (!window || window == m_last)
            return;
        m_last = window;
        windows << window->metaObject()->className();
        if (windows.last() == m_answers.cancelIn) {
            window->cancelButton->click();
        } else if (auto *chooser = qobject_cast<Tfrwizard1 *>(window)) {
            chooser->pictures[m_answers.layout - 1]->click();
        } else if (auto *sizes = qobject_cast<FrameSizeForm *>(window)) {
            if (m_answers.sizes)
                m_answers.sizes(*sizes);
            sizes->okButton->click();
        } else if (auto *names = qobject_cast<FrameNamesForm *>(window)) {
            for (int i = 0; i < int(names->rows.size()); ++i) {
                names->rows[i].fileField->setText(m_answers.frameFiles.value(i));
                if (m_answers.existing.contains(i))
                    names->rows[i].existingFile->click();
            }
            names->framesetField->setText(m_answers.framesetFile);
            names->okButton->click();
        } else if (auto *directory = qobject_cast<Tdirdia *>(window)) {
            directory->directory->setText(m_answers.directory);
            directory->okButton->click();
        } else {
            window->okButton->click();
        }
    }

    Answers m_answers;
    QTimer m_timer;
    QPointer<QWidget> m_last;
};

// Answers that build the site in the folder "site" of the fixture's.
Answers inSite(const AppFixture &app)
{
    Answers answers;
    answers.directory = app.path("site");
    return answers;
}

QStringList captions(const AppFixture &app)
{
    QStringList list;
    for (Teditform *doc : app.main->documents().windows())
        list << doc->windowTitle();
    return list;
}

QStringList entries(const QString &directory)
{
    return QDir(directory).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
}

const QByteArray kFramePage =
    "<html>\r\n<head>\r\n<title></title>\r\n</head>\r\n<body text=\"#\">\r\n\r\n</body>\r\n</html>";

} // namespace

class FrameSiteTest : public QObject
{
    Q_OBJECT

private:
    // Runs "Frames... " with the answers; returns the windows shown.
    QStringList run(AppFixture &app, Answers answers)
    {
        WindowAnswerer answerer(std::move(answers));
        app.main->action("Frames1")->trigger();
        return answerer.windows;
    }

private slots:
    void layoutOneFromStartToEnd()
    {
        AppFixture app;
        app.start();
        Answers answers = inSite(app);
        QDir().mkpath(answers.directory);
        QCOMPARE(run(app, answers),
                 (QStringList{"Tfrwizard1", "Tlayout1form", "Tlayout11form", "Tlayout111form", "Tdirdia"}));
        QVERIFY(app.messages.shown.isEmpty());
        QVERIFY(app.readFile("site/index.htm").contains("<frame src=\"b.htm\""));
        QCOMPARE(app.readFile("site/a.htm"), kFramePage);
        QCOMPARE(app.readFile("site/b.htm"), kFramePage);
        QCOMPARE(entries(answers.directory), (QStringList{"a.htm", "b.htm", "index.htm"}));
        QCOMPARE(captions(app), (QStringList{"index.htm", "a.htm", "b.htm"}));
        for (Teditform *doc : app.main->documents().windows()) {
            QCOMPARE(doc->CMemo1->selStart(), 23);
            QVERIFY(!doc->CMemo1->modified());
        }
        QCOMPARE(app.active()->page().fileName(), app.path("site/b.htm"));
        QCOMPARE(app.panel(DocumentHost::CountPanel), QString("3 windows"));
        QVERIFY(!app.main->action("Frames1")->isEnabled());
        QVERIFY(app.main->action("FTP1")->isEnabled());
    }

    // Layout 3 in pixels, its third frame written too, into a directory
    // given with a trailing "/".
    void layoutThreeWithTrailingSlash()
    {
        AppFixture app;
        app.start();
        Answers answers;
        answers.layout = 3;
        answers.frameFiles = QStringList{"top.htm", "left.htm", "right.html"};
        answers.directory = app.path("site") + "/";
        answers.sizes = [](FrameSizeForm &window) {
            window.rows[0].pixels->click();
            window.rows[0].pixelField->setText("80");
        };
        QDir().mkpath(answers.directory);
        run(app, answers);
        QCOMPARE(captions(app), (QStringList{"index.htm", "top.htm", "left.htm", "right.html"}));
        QCOMPARE(app.main->documents().windows().first()->page().fileName(), app.path("site/index.htm"));
        QVERIFY(app.readFile("site/index.htm").contains("<frameset rows=\"80,*\" border=\"0\" frameborder=\"0\">"));
        QVERIFY(app.readFile("site/index.htm").contains("<frameset cols=\"25%,*\" border=\"0\" frameborder=\"0\">"));
        QCOMPARE(app.readFile("site/right.html"), kFramePage);
    }

    void missingDirectoryIsCreatedOnlyOnYes()
    {
        AppFixture app;
        app.start();
        Answers answers;
        answers.directory = app.path("new/deep/site");
        app.messages.answers << Button::No;
        run(app, answers);
        QCOMPARE(app.messages.texts(),
                 QStringList{"Specified directory does not exist\r\nDo you want the editor to create it ?"});
        QCOMPARE(app.messages.shown[0].helpContext, 4006);
        QVERIFY(!QFile::exists(app.path("new")));
        QCOMPARE(app.windows(), 0);
        QVERIFY(app.main->action("Frames1")->isEnabled());
        app.messages.answers << Button::Yes;
        run(app, answers);
        QCOMPARE(entries(answers.directory), (QStringList{"a.htm", "b.htm", "index.htm"}));
        QCOMPARE(app.windows(), 3);
    }

    void directoryThatCannotBeMade()
    {
        AppFixture app;
        app.start();
        app.writeFile("file.txt", "keep");
        for (const QString &directory : {app.path("file.txt/site"), app.path("file.txt"), QString()}) {
            Answers answers;
            answers.directory = directory;
            app.messages.answers << Button::Yes;
            run(app, answers);
            QCOMPARE(app.messages.texts().last(), "Unable to create directory " + directory);
            QCOMPARE(app.messages.shown.last().kind, Messages::Kind::Error);
            QCOMPARE(app.windows(), 0);
            QCOMPARE(app.readFile("file.txt"), QByteArray("keep"));
            QVERIFY(!QFile::exists("/index.htm"));
        }
        QVERIFY(app.main->action("Frames1")->isEnabled());
    }

    // Existing frames are neither asked about nor written; the new ones
    // that exist are, in frame order after the frameset page.
    void overwriteQuestions()
    {
        AppFixture app;
        app.start();
        Answers answers = inSite(app);
        answers.layout = 4;
        answers.frameFiles = QStringList{"l.htm", "u.htm", "d.htm"};
        answers.existing = {0};
        for (const char *name : {"index.htm", "l.htm", "u.htm"})
            app.writeFile(QString("site/") + name, "old");
        app.writeFile("site/d.htm", QByteArray(4000, 'x')); // replaced whole, not just its start
        app.messages.answers << Button::Yes << Button::Yes; // then Cancel: anything but No goes on
        run(app, answers);
        const auto question = [&](const char *name) {
            return "The filename " + app.path(QString("site/") + name)
                   + " already exists?Do you want to overwrite it ?";
        };
        QCOMPARE(app.messages.texts(), (QStringList{question("index.htm"), question("u.htm"), question("d.htm")}));
        QCOMPARE(app.readFile("site/l.htm"), QByteArray("old"));
        QCOMPARE(app.readFile("site/d.htm"), kFramePage);
        QVERIFY(app.readFile("site/index.htm").startsWith("<html>"));
        QCOMPARE(captions(app), (QStringList{"index.htm", "u.htm", "d.htm"}));
    }

    void noOnTheSecondFrameWritesNothing()
    {
        AppFixture app;
        app.start();
        Answers answers = inSite(app);
        for (const char *name : {"index.htm", "a.htm", "b.htm"})
            app.writeFile(QString("site/") + name, name);
        app.messages.answers << Button::Yes << Button::Yes << Button::No;
        run(app, answers);
        QCOMPARE(app.messages.shown.size(), 3);
        for (const char *name : {"index.htm", "a.htm", "b.htm"})
            QCOMPARE(app.readFile(QString("site/") + name), QByteArray(name));
        QCOMPARE(app.windows(), 0);
        QVERIFY(app.main->action("Frames1")->isEnabled());
    }

    // A folder whose name is not UTF-8 is found under its own bytes, and so
    // is the page in it that the run would replace.
    void eightBitFolderAsksBeforeOverwriting()
    {
        AppFixture app;
        app.start();
        const std::string folder = QFile::encodeName(app.dir.path()).toStdString()
                                   + "/\xdc"
                                     "bungen";
        std::filesystem::create_directory(folder);
        std::ofstream(folder + "/index.htm") << "old";
        Answers answers;
        answers.directory = ByteText::decode(folder);
        app.messages.answers << Button::No;
        run(app, answers);
        QCOMPARE(app.messages.texts(), QStringList{"The filename " + ByteText::displayed(answers.directory)
                                                   + "/index.htm already exists?Do you want to overwrite it ?"});
        QCOMPARE(app.windows(), 0);
        removeContents(app.dir.path());
    }

    void pageThatCannotBeWrittenStopsTheRun()
    {
        AppFixture app;
        app.start();
        Answers answers = inSite(app);
        answers.layout = 3;
        answers.frameFiles = QStringList{"a.htm", "b.htm", "c.htm"};
        const QString locked = app.writeFile("site/b.htm", "locked");
        QFile::setPermissions(locked, QFile::ReadOwner);
        app.messages.answers << Button::Yes; // replace b.htm
        run(app, answers);
        QCOMPARE(app.messages.texts().last(), "Cannot create file " + locked);
        QCOMPARE(app.readFile("site/b.htm"), QByteArray("locked"));
        QCOMPARE(app.readFile("site/a.htm"), kFramePage);
        QVERIFY(!QFile::exists(app.path("site/c.htm")));
        QCOMPARE(entries(answers.directory), (QStringList{"a.htm", "b.htm", "index.htm"})); // no half-written page
        // The page's window stays with its text and name, not saved.
        QCOMPARE(captions(app), (QStringList{"index.htm", "a.htm", "b.htm"}));
        QVERIFY(app.active()->CMemo1->modified());
        QVERIFY(app.active()->CMemo1->text().startsWith("<html>"));
    }

    void leavingAnyWindowEndsTheRun()
    {
        AppFixture app;
        app.start();
        const QStringList windows{"Tfrwizard1", "Tlayout2form", "Tlayout22form", "Tlayout222form", "Tdirdia"};
        for (const QString &window : windows) {
            Answers answers = inSite(app);
            answers.layout = 2;
            answers.cancelIn = window;
            QCOMPARE(run(app, answers), windows.mid(0, windows.indexOf(window) + 1));
            QVERIFY(app.messages.shown.isEmpty());
            QVERIFY(!QFile::exists(answers.directory));
            QCOMPARE(app.windows(), 0);
        }
    }

    void notWhileAPageIsOpen()
    {
        AppFixture app;
        app.start();
        app.main->newDocument();
        QVERIFY(!app.main->action("Frames1")->isEnabled());
        Answers answers = inSite(app);
        WindowAnswerer answerer(answers);
        FrameWizardHost host{app.main->documents(), [] { return static_cast<Teditform *>(nullptr); }};
        runFramesWizard(host); // the handler itself refuses as well
        QVERIFY(answerer.windows.isEmpty());
        QCOMPARE(app.windows(), 1);
    }
};

QTEST_MAIN(FrameSiteTest)
#include "tst_framesite.moc"
