#include "settings.h"
#include "support/files.h"
#include "settingsstore.h"
#include "startup.h"
#include "tagcommands.h"
#include "tagtable.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestTagStartup : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QByteArray storeText() const { return readFile(RegKey::storePath()); }

private slots:
    void init()
    {
        static int n = 0;
        qputenv("QUENDEL_STORE", m_dir.filePath(QStringLiteral("s%1.reg").arg(++n)).toLocal8Bit());
        g_settings = Settings();
        g_tags = TagTable();
    }

    // The caret offsets of the table agree with the back offsets: for each
    // slot the caret lands (opening length - p) + extra + closing length back.
    void defaultBackOffsetsMatchTheCaretOffsets()
    {
        for (int n = 1; n <= TagTable::kSlots; ++n) {
            if (n == 25 || n == 39 || n == 46 || n == 68 || n == 69 || (n >= TagTable::kFirstDefined && n < 66))
                continue;
            const TagDefault &d = tagDefault(n);
            const int expected = int(strlen(d.opening)) - d.caretOffset + d.extra + int(strlen(d.closing));
            QVERIFY2(d.back == expected, qPrintable(QString("slot %1").arg(n)));
        }
        // Every command names a slot of its own handler.
        for (const TagCommand &command : tagCommands()) {
            if (command.slot)
                QCOMPARE(tagDefault(command.slot).handler, command.handler);
        }
    }

    void installAllLeavesUserSlotsEmptyAndWritesTheMarker()
    {
        g_tags.slot(21).extra = 7; // an extra count install-all never sets
        g_tags.captions[2] = QStringLiteral("mine");
        installAllTags();
        QCOMPARE(g_tags.slot(1).opening, QString::fromLatin1(tagDefault(1).opening));
        QCOMPARE(g_tags.slot(1).back, 67);
        QVERIFY(g_tags.slot(59).opening.isEmpty());
        QCOMPARE(g_tags.slot(21).extra, 7);
        QCOMPARE(g_tags.captions[2], QString("mine"));
        QVERIFY(!g_settings.tagsInstalled); // consulted at start-up only
        const QByteArray text = storeText();
        QVERIFY(text.contains("\"tagsins\"=dword:00000001"));
        QVERIFY(text.contains("\"TAG69\"=\"<DT>\""));
        QVERIFY(text.contains("\"TAG59\"=\"\""));
        QVERIFY(!text.contains("\"DEF"));
    }

    // A fresh start after "Set/reset ALL": the next start turns the empty user
    // slots into dashes, slot 39 always comes back, slot 25 is rewritten.
    void startupRepairAfterInstallAll()
    {
        installAllTags();
        g_tags = TagTable();
        loadAllSettings();
        QVERIFY(g_settings.tagsInstalled);
        QVERIFY(g_tags.slot(59).opening.isEmpty());
        g_tags.slot(39).opening = QStringLiteral("<STYLE changed>");
        repairTagTable();
        QCOMPARE(g_tags.slot(59).opening, QString("----------"));
        QCOMPARE(g_tags.captions[3], QString("----------"));
        QCOMPARE(g_tags.slot(39).opening, QString::fromLatin1(tagDefault(39).opening));
        QCOMPARE(g_tags.slot(25).opening, QString()); // its default is empty
        QVERIFY(storeText().contains("\"TAG25\"=\"\""));
        QVERIFY(storeText().contains("\"TAG39\"=\"<STYLE type=\\\"text/css\\\">\""));
    }
};

QTEST_GUILESS_MAIN(TestTagStartup)
#include "tst_tagstartup.moc"
