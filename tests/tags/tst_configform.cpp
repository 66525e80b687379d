// The configuration window: starting values, "Ok" with existing, missing,
// empty and impossible directories, storing as defaults, and its two ways out.
#include "configchoices.h"
#include "configform.h"
#include "directoryedit.h"
#include "support/scripted.h"
#include "settagsform.h"
#include "settings.h"
#include "settingsstore.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

class ConfigFormTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;
    Tconfigform *form = nullptr;

    QString sub(const QString &name) const { return dir.filePath(name); }
    static QString stored(const char *name)
    {
        RegKey key;
        if (!key.openRead() || !key.valueExists(QLatin1String(name)))
            return {};
        return key.readString(QLatin1String(name));
    }

private slots:
    void init()
    {
        QFile::remove(RegKey::storePath());
        g_settings.lineBreakOption = QStringLiteral("1");
        g_settings.openDirectory = sub(QStringLiteral("open"));
        g_settings.saveDirectory = sub(QStringLiteral("save"));
        g_settings.textDirectory = sub(QStringLiteral("text"));
        for (const char *name : {"open", "save", "text"})
            QDir(dir.path()).mkpath(QLatin1String(name));
        form = new Tconfigform;
        form->show();
    }
    void cleanup() { delete form; }

    void startsFromTheSettings()
    {
        QCOMPARE(form->windowTitle(), QStringLiteral("Configuration"));
        QCOMPARE(form->size(), QSize(276, 337));
        QVERIFY(form->ly->isChecked());
        QCOMPARE(form->DirectoryEdit1->text(), sub(QStringLiteral("open")));
        QCOMPARE(form->DirectoryEdit3->text(), sub(QStringLiteral("text")));
        QVERIFY(!form->default1->isChecked());
        g_settings.lineBreakOption = QStringLiteral("yes"); // anything but "1" is No
        Tconfigform other;
        QVERIFY(other.ln->isChecked());
    }

    void cancelChangesNothing()
    {
        form->ln->setChecked(true);
        form->DirectoryEdit1->setText(sub(QStringLiteral("elsewhere")));
        form->BitBtn3->click();
        QCOMPARE(form->result(), int(QDialog::Rejected));
        QCOMPARE(g_settings.lineBreakOption, QStringLiteral("1"));
        QCOMPARE(g_settings.openDirectory, sub(QStringLiteral("open")));
    }

    void okWithExistingDirectoriesAsksNothing()
    {
        ScriptedMessages messages;
        form->ln->setChecked(true);
        form->DirectoryEdit2->setText(sub(QStringLiteral("text")));
        form->BitBtn1->click();
        QVERIFY(messages.shown.isEmpty());
        QCOMPARE(form->result(), int(QDialog::Accepted));
        QCOMPARE(g_settings.lineBreakOption, QStringLiteral("0"));
        QCOMPARE(g_settings.saveDirectory, sub(QStringLiteral("text")));
        QVERIFY(!QFile::exists(RegKey::storePath())); // not stored without the tick
    }

    void missingDirectoryIsCreatedOnYes()
    {
        ScriptedMessages messages;
        messages.answers << Messages::Yes;
        const QString fresh = sub(QStringLiteral("a/b/c"));
        form->DirectoryEdit3->setText(fresh);
        form->BitBtn1->click();
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(messages.shown[0].text, QStringLiteral("The ") + fresh
                                             + QStringLiteral(" does not exist\r\nDo you want to create it now ?"));
        QCOMPARE(messages.shown[0].buttons, Messages::Yes | Messages::No | Messages::Help);
        QCOMPARE(messages.shown[0].helpContext, 3004);
        QVERIFY(QDir(fresh).exists());
        QCOMPARE(g_settings.textDirectory, fresh);
        QCOMPARE(form->result(), int(QDialog::Accepted));
    }

    void missingDirectoryKeepsTheOldValueOnNo()
    {
        ScriptedMessages messages;
        messages.answers << Messages::No;
        form->DirectoryEdit1->setText(sub(QStringLiteral("nowhere")));
        form->BitBtn1->click();
        QCOMPARE(g_settings.openDirectory, sub(QStringLiteral("open")));
        QVERIFY(!QDir(sub(QStringLiteral("nowhere"))).exists());
        QCOMPARE(form->result(), int(QDialog::Accepted));
    }

    void impossibleDirectoriesKeepTheWindowOpen_data()
    {
        QTest::addColumn<QString>("field");
        QTest::newRow("empty") << QString();
        QTest::newRow("names a file") << QStringLiteral("file.txt");
        QTest::newRow("cannot be created") << QStringLiteral("file.txt/below");
    }
    void impossibleDirectoriesKeepTheWindowOpen()
    {
        QFETCH(QString, field);
        QFile file(sub(QStringLiteral("file.txt")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        const QString path = field.isEmpty() ? field : sub(field);
        ScriptedMessages messages;
        messages.answers << Messages::Yes;
        form->ln->setChecked(true);
        form->DirectoryEdit1->setText(sub(QStringLiteral("text")));
        form->DirectoryEdit2->setText(path);
        form->DirectoryEdit3->setText(sub(QStringLiteral("save")));
        form->default1->setChecked(true);
        form->BitBtn1->click();
        QCOMPARE(messages.shown.size(), 2);
        QCOMPARE(messages.shown[1].kind, Messages::Kind::Error);
        QCOMPARE(messages.shown[1].text, QStringLiteral("Unable to create directory"));
        QVERIFY(form->isVisible());
        // Set before the failing field: kept; after it and the store: untouched.
        QCOMPARE(g_settings.lineBreakOption, QStringLiteral("0"));
        QCOMPARE(g_settings.openDirectory, sub(QStringLiteral("text")));
        QCOMPARE(g_settings.saveDirectory, sub(QStringLiteral("save")));
        QCOMPARE(g_settings.textDirectory, sub(QStringLiteral("text")));
        QVERIFY(!QFile::exists(RegKey::storePath()));
        QVERIFY(QFileInfo(sub(QStringLiteral("file.txt"))).isFile());
    }

    void saveAsDefaultStoresTheSettings()
    {
        form->ln->setChecked(true);
        form->default1->setChecked(true);
        form->BitBtn1->click();
        QCOMPARE(stored("VAR3"), QStringLiteral("0"));
        QCOMPARE(stored("VAR4"), sub(QStringLiteral("open")));
        QCOMPARE(stored("VAR8"), sub(QStringLiteral("save")));
        QCOMPARE(stored("VAR9"), sub(QStringLiteral("text")));
    }

    void browseUsesTheFolderChooser()
    {
        ScriptedDialogs dialogs;
        dialogs.folderAnswers << sub(QStringLiteral("save")) << QString();
        form->DirectoryEdit1->browse->click();
        QCOMPARE(form->DirectoryEdit1->text(), QDir::toNativeSeparators(sub(QStringLiteral("save"))));
        form->DirectoryEdit1->browse->click(); // cancelled: the field stays
        QCOMPARE(form->DirectoryEdit1->text(), QDir::toNativeSeparators(sub(QStringLiteral("save"))));
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
        form->BitBtn2->click();
        QVERIFY(sawTagSettings);
        QVERIFY(form->isVisible());
    }

    void helpButtonAsksForItsContext()
    {
        QSignalSpy help(form, &Tconfigform::helpRequested);
        form->BitBtn4->click();
        QCOMPARE(help.count(), 1);
        QCOMPARE(help[0][0].toInt(), 1028);
    }
};

QTEST_MAIN(ConfigFormTest)
#include "tst_configform.moc"
