// The configuration window: starting values, "Ok" with existing, missing,
// empty and impossible directories, storing as defaults, its ways out.
#include "bytetext.h"
#include "configform.h"
#include "directoryedit.h"
#include "settagsform.h"
#include "settings.h"
#include "settingsstore.h"
#include "support/scripted.h"
#include "support/storedvalue.h"
#include "tags/defaulttags.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <filesystem>

class ConfigFormTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;
    Tconfigform *config = nullptr;

    QString sub(const char *name) const { return dir.filePath(QLatin1String(name)); }

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
        config = new Tconfigform;
        config->show();
    }
    void cleanup() { delete config; }

    void startsFromTheSettingsAndCancelChangesNothing()
    {
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
        QCOMPARE(storedValue("VAR3"), QStringLiteral("0"));
        QCOMPARE(storedValue("VAR8"), sub("text"));
    }

    // Never configured, every starting directory is the home folder: "Ok"
    // asks nothing and makes no folder.
    void freshSettingsStartAtHome()
    {
        g_settings = Settings();
        Tconfigform fresh;
        QCOMPARE(fresh.DirectoryEdit1->text(), QDir::homePath());
        ScriptedMessages messages;
        fresh.BitBtn1->click();
        QVERIFY(messages.shown.isEmpty());
        QVERIFY(!QFileInfo::exists(QStringLiteral("c:\\")));
        QCOMPARE(g_settings.saveDirectory, QDir::homePath());
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
            QCOMPARE(messages.texts(),
                     QStringList{"The " + fresh + " does not exist\r\nDo you want to create it now ?"});
            QCOMPARE(QDir(fresh).exists(), yes);
            QCOMPARE(g_settings.textDirectory, yes ? fresh : before);
            QCOMPARE(form.result(), int(QDialog::Accepted));
        }
        QVERIFY(!QFile::exists(RegKey::storePath())); // not stored without the tick
    }

    // A folder whose name is not UTF-8 is made, and then found, under its own bytes.
    void eightBitDirectoryKeepsItsBytes()
    {
        const QByteArray native = QFile::encodeName(dir.path())
                                  + "/\xdc"
                                    "bungen";
        ScriptedMessages messages;
        messages.answers << Messages::Yes;
        config->DirectoryEdit3->setText(ByteText::decode(native));
        config->BitBtn1->click();
        QCOMPARE(messages.shown.size(), 1);
        QVERIFY(std::filesystem::is_directory(native.toStdString()));
        QCOMPARE(ByteText::encode(g_settings.textDirectory), native);
        Tconfigform again;
        again.BitBtn1->click();
        QCOMPARE(messages.shown.size(), 1);
    }

    void impossibleDirectoriesKeepTheWindowOpen()
    {
        QFile file(sub("file.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        for (const QString &field : {QString(), sub("file.txt"), sub("file.txt/below")}) {
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
    }

    // Each window's Help button opens its own topic.
    void tagSettingsOpenModallyAndTheWindowStays()
    {
        ScriptedHelp help;
        bool sawTagSettings = false;
        QTimer::singleShot(0, this, [&sawTagSettings] {
            auto *tags = qobject_cast<Tsettagsform *>(QApplication::activeModalWidget());
            sawTagSettings = tags != nullptr;
            if (tags) {
                tags->BitBtn2->click();
                tags->closeb->click();
            }
        });
        config->BitBtn2->click();
        QVERIFY(sawTagSettings);
        QVERIFY(config->isVisible());
        config->BitBtn4->click();
        QCOMPARE(help.topics, (QList<int>{3002, 1028}));
    }
};

QTEST_MAIN(ConfigFormTest)
#include "tst_configform.moc"
