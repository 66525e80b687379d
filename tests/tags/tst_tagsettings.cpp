// The tag settings window (caret place <-> back offset, set, reset, reset
// all, moving between slots) and the configuration window (starting values,
// "Ok" with existing, missing, empty and impossible directories, storing as
// defaults, its ways out).
#include "configform.h"
#include "defaulttags.h"
#include "directoryedit.h"
#include "settagsform.h"
#include "settings.h"
#include "settingsstore.h"
#include "support/scripted.h"
#include "tagformat.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <limits>

class TagSettingsTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;
    Tsettagsform *form = nullptr;
    Tconfigform *config = nullptr;

    QString sub(const char *name) const { return dir.filePath(QLatin1String(name)); }
    // The stored text of a value, "" when it is missing.
    static QString stored(const char *name)
    {
        RegKey key;
        const QString value = QLatin1String(name);
        return key.openRead() && key.valueExists(value) ? key.readString(value) : QString();
    }

private slots:
    void init()
    {
        QFile::remove(RegKey::storePath());
        loadDefaultTagsInMemory();
        g_settings.lineBreakOption = QStringLiteral("1");
        g_settings.openDirectory = sub("open");
        g_settings.saveDirectory = sub("save");
        g_settings.textDirectory = sub("text");
        for (const char *name : {"open", "save", "text"})
            QDir(dir.path()).mkpath(QLatin1String(name));
        form = new Tsettagsform;
        form->show();
        config = new Tconfigform;
        config->show();
    }
    void cleanup()
    {
        delete form;
        delete config;
    }

    // The tag settings window.

    void caretPlaceOfOutlyingBackOffsets()
    {
        QCOMPARE(caretInOpening(g_tags.slot(26)), 4); // "<BR>" back 0 extra 2: the end
        TagSlot slot{QStringLiteral("<B>"), QStringLiteral("</B>"), -1000, 0};
        QCOMPARE(caretInOpening(slot), 3);
        slot.back = 1000000;
        QCOMPARE(caretInOpening(slot), 0);
        slot.back = std::numeric_limits<qint32>::min();
        QCOMPARE(caretInOpening(slot), 3);
    }

    void setStoresTheCaretAsTheBackOffset()
    {
        QCOMPARE(form->Edit3->cursorPosition(), 16);
        form->setbutton->click(); // without moving the caret
        QCOMPARE(g_tags.slot(1).back, 67);
        for (int i = 0; i < 20; ++i)
            form->nextb->click();
        QCOMPARE(form->currentSlot(), 21);
        form->Edit3->setCursorPosition(3);
        form->setbutton->click();
        QCOMPARE(g_tags.slot(21).back, 4);
        QCOMPARE(g_tags.slot(21).extra, 0);
    }

    void userSlotGetsItsCaption()
    {
        form->ComboBox1->activated(56);
        form->Edit3->setText(QStringLiteral("<SPAN class=\"\">"));
        form->Edit3->setCursorPosition(13);
        form->setbutton->click();
        QCOMPARE(g_tags.captions[1], QStringLiteral("<SPAN clas"));
        QCOMPARE(stored("DEF1"), QStringLiteral("<SPAN clas"));
        QCOMPARE(g_tags.slot(57).back, 2);
        // The shown texts stay as they were until the slot is shown again.
        QCOMPARE(form->Edit1->text(), QStringLiteral("----------"));
    }

    void setWithAnEmptyALongOrAnUnusualOpeningText()
    {
        form->Edit3->clear();
        form->Edit4->clear();
        form->setbutton->click();
        QCOMPARE(g_tags.slot(1).opening, QString());
        QCOMPARE(g_tags.slot(1).back, 6);
        QCOMPARE(stored("TAG1"), QString());
        form->nextb->click();
        form->backb->click();
        QCOMPARE(form->Edit3->text(), QString());
        QCOMPARE(form->Edit3->cursorPosition(), 0);
        const QString longText = QString(10000, QLatin1Char('x')) + QStringLiteral("\u20AC\U0001F600");
        form->Edit3->setText(longText);
        form->setbutton->click();
        QCOMPARE(g_tags.slot(1).opening, longText);
        QCOMPARE(stored("TAG1"), longText);
    }

    void navigationEnablesBackAndNextAndDoneCancels()
    {
        form->ComboBox1->activated(64);
        for (int i = 0; i < 10; ++i)
            form->nextb->click();
        QCOMPARE(form->currentSlot(), 69);
        QVERIFY(!form->nextb->isEnabled());
        QCOMPARE(form->ComboBox1->currentIndex(), -1);
        form->ComboBox1->activated(0);
        QVERIFY(!form->backb->isEnabled() && form->nextb->isEnabled());
        form->ComboBox1->activated(-1); // typed text naming no entry
        QCOMPARE(form->currentSlot(), 1);
        form->closeb->click();
        QCOMPARE(form->result(), int(QDialog::Rejected));
    }

    void resetOneAndResetAllAsk()
    {
        ScriptedMessages messages;
        g_tags.slot(1).opening = QStringLiteral("<BODY>");
        form->Edit3->setText(QStringLiteral("typed"));
        messages.answers << Messages::No << Messages::Yes << Messages::Cancel << Messages::Yes;
        form->BitBtn1->click(); // No: the window still shows the slot anew
        QCOMPARE(form->Edit3->text(), QStringLiteral("<BODY>"));
        form->BitBtn1->click();
        QCOMPARE(form->Edit3->text(), QString::fromLatin1(tagDefault(1).opening));
        g_tags.slot(1).opening = QStringLiteral("<BODY>");
        form->setallbutton->click();
        QVERIFY(form->isVisible());
        QCOMPARE(g_tags.slot(1).opening, QStringLiteral("<BODY>"));
        form->setallbutton->click();
        const QString one = QStringLiteral("Are You sure You want to reset this tag ?");
        const QString all = QStringLiteral("Are You REALLY sure You want to reset all tags to default ?");
        QCOMPARE(messages.texts(), (QStringList{one, one, all, all}));
        QCOMPARE(form->result(), int(QDialog::Accepted));
        QCOMPARE(g_tags.slot(59).opening, QString());
        QCOMPARE(g_tags.slot(1).opening, QString::fromLatin1(tagDefault(1).opening));
    }

    void unwritableStoreKeepsTheChangeInMemoryOnly()
    {
        const QString path = RegKey::storePath();
        QVERIFY(QDir().mkpath(path)); // a folder where the file should be
        form->ComboBox1->activated(57);
        form->Edit3->setText(QStringLiteral("<MINE>"));
        form->setbutton->click();
        QCOMPARE(g_tags.slot(58).opening, QStringLiteral("<MINE>"));
        QCOMPARE(g_tags.captions[2], QStringLiteral("----------"));
        QVERIFY(QDir().rmdir(path));
    }

    // The configuration window.

    void startsFromTheSettingsAndCancelChangesNothing()
    {
        QCOMPARE(config->size(), QSize(276, 337));
        QVERIFY(config->ly->isChecked() && !config->default1->isChecked());
        QCOMPARE(config->DirectoryEdit1->text(), sub("open"));
        config->ln->setChecked(true);
        config->DirectoryEdit1->setText(sub("elsewhere"));
        config->BitBtn3->click();
        QCOMPARE(config->result(), int(QDialog::Rejected));
        QCOMPARE(g_settings.lineBreakOption, QStringLiteral("1"));
        QCOMPARE(g_settings.openDirectory, sub("open"));
        g_settings.lineBreakOption = QStringLiteral("yes"); // anything but "1" is No
        Tconfigform other;
        QVERIFY(other.ln->isChecked());
    }

    void okWithExistingDirectoriesAsksNothingAndStoresWithTheTick()
    {
        ScriptedMessages messages;
        config->ln->setChecked(true);
        config->DirectoryEdit2->setText(sub("text"));
        config->default1->setChecked(true);
        config->BitBtn1->click();
        QVERIFY(messages.shown.isEmpty());
        QCOMPARE(config->result(), int(QDialog::Accepted));
        QCOMPARE(g_settings.lineBreakOption, QStringLiteral("0"));
        QCOMPARE(g_settings.saveDirectory, sub("text"));
        QCOMPARE(stored("VAR3"), QStringLiteral("0"));
        QCOMPARE(stored("VAR8"), sub("text"));
    }

    void missingDirectoryIsCreatedOnlyOnYes()
    {
        for (bool yes : {true, false}) {
            Tconfigform form;
            ScriptedMessages messages;
            messages.answers << (yes ? Messages::Yes : Messages::No);
            const QString fresh = sub(yes ? "a/b/c" : "nowhere");
            const QString before = g_settings.textDirectory;
            form.DirectoryEdit3->setText(fresh);
            form.BitBtn1->click();
            QCOMPARE(messages.texts(), QStringList{"The " + fresh + " does not exist\r\nDo you want to create it now ?"});
            QCOMPARE(QDir(fresh).exists(), yes);
            QCOMPARE(g_settings.textDirectory, yes ? fresh : before);
            QCOMPARE(form.result(), int(QDialog::Accepted));
        }
        QVERIFY(!QFile::exists(RegKey::storePath())); // not stored without the tick
    }

    void impossibleDirectoriesKeepTheWindowOpen_data()
    {
        QTest::addColumn<QString>("field");
        QTest::newRow("empty") << QString();
        QTest::newRow("names a file") << sub("file.txt");
        QTest::newRow("cannot be created") << sub("file.txt/below");
    }
    void impossibleDirectoriesKeepTheWindowOpen()
    {
        QFETCH(QString, field);
        QFile file(sub("file.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        ScriptedMessages messages;
        messages.answers << Messages::Yes;
        config->DirectoryEdit1->setText(sub("text"));
        config->DirectoryEdit2->setText(field);
        config->DirectoryEdit3->setText(sub("save"));
        config->default1->setChecked(true);
        config->BitBtn1->click();
        QCOMPARE(messages.shown.size(), 2);
        QCOMPARE(messages.texts().last(), QStringLiteral("Unable to create directory"));
        QVERIFY(config->isVisible());
        // Set before the failing field: kept; after it and the store: untouched.
        QCOMPARE(g_settings.openDirectory, sub("text"));
        QCOMPARE(g_settings.saveDirectory, sub("save"));
        QCOMPARE(g_settings.textDirectory, sub("text"));
        QVERIFY(!QFile::exists(RegKey::storePath()));
        QVERIFY(QFileInfo(sub("file.txt")).isFile());
    }

    void browseUsesTheFolderChooser()
    {
        ScriptedDialogs dialogs;
        dialogs.folderAnswers << sub("save") << QString();
        config->DirectoryEdit1->browse->click();
        QCOMPARE(config->DirectoryEdit1->text(), QDir::toNativeSeparators(sub("save")));
        config->DirectoryEdit1->browse->click(); // cancelled: the field stays
        QCOMPARE(config->DirectoryEdit1->text(), QDir::toNativeSeparators(sub("save")));
    }

    void tagSettingsOpenModallyAndTheWindowStays()
    {
        bool sawTagSettings = false;
        QTimer::singleShot(0, this, [&sawTagSettings] {
            auto *tags = qobject_cast<Tsettagsform *>(QApplication::activeModalWidget());
            sawTagSettings = tags != nullptr;
            if (tags)
                tags->closeb->click();
        });
        config->BitBtn2->click();
        QVERIFY(sawTagSettings);
        QVERIFY(config->isVisible());
    }
};

QTEST_MAIN(TagSettingsTest)
#include "tst_tagsettings.moc"
