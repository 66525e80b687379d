#include "regformat.h"

#include <QTest>

using RegFormat::RegRaw;
using RegFormat::Values;

class TestRegFormat : public QObject
{
    Q_OBJECT

private slots:
    void readsEveryValueKind()
    {
        const QByteArray file =
            "REGEDIT4\r\n\r\n"
            "[HKEY_LOCAL_MACHINE\\Software\\Varnholt\\Quendel\\Config]\r\n"
            "\"VAR4\"=\"c:\\\\\"\r\n"
            "\"VAR5\"=\"MS \\\"Sans\\\" Seriff\"\r\n"
            "\"VAR6\"=dword:0000000a\r\n"
            "\"VAR9\"=hex(2):25,54,45,4d,50,25,00\r\n"
            "\"BIN\"=hex:01,02,\\\r\n  03\r\n"
            "\r\n[HKEY_LOCAL_MACHINE\\Software\\Other]\r\n\"VAR3\"=\"elsewhere\"\r\n";
        Values values;
        QString error;
        QVERIFY2(RegFormat::parse(file, values, &error), qPrintable(error));
        QCOMPARE(values.value("VAR4").toString(), QString("c:\\"));
        QCOMPARE(values.value("VAR5").toString(), QString("MS \"Sans\" Seriff"));
        QCOMPARE(values.value("VAR6").typeId(), QMetaType::Int);
        QCOMPARE(values.value("VAR6").toInt(), 10);
        QCOMPARE(values.value("VAR9").toString(), QString("%TEMP%"));
        QCOMPARE(values.value("BIN").value<RegRaw>().text, QByteArray("hex:01,02,  03"));
        QVERIFY(!values.contains("VAR3")); // another section's value
    }

    void writtenFileReadsBackTheSame()
    {
        Values values;
        values.insert("TAG1", QString("<BODY bgcolor=\"#\"> \\ caf\u00e9"));
        values.insert("BACK1", 67);
        values.insert("NEG", -5);
        values.insert("RAW", QVariant::fromValue(RegRaw{"hex(7):41,00,00,00"}));
        values.insert("EMPTY", QString());
        const QByteArray text = RegFormat::write(values);
        QVERIFY(text.startsWith("REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Varnholt\\Quendel\\Config]\n"));
        QVERIFY(text.contains("\"BACK1\"=dword:00000043\n"));
        QVERIFY(text.contains("\"NEG\"=dword:fffffffb\n"));
        Values back;
        QVERIFY(RegFormat::parse(text, back));
        QCOMPARE(back.value("TAG1").toString(), values.value("TAG1").toString());
        QCOMPARE(back.value("BACK1").toInt(), 67);
        QCOMPARE(back.value("NEG").toInt(), -5);
        QCOMPARE(back.value("RAW").value<RegRaw>(), values.value("RAW").value<RegRaw>());
        QVERIFY(back.contains("EMPTY"));
        QCOMPARE(RegFormat::write(back), text);
    }

    void rejectsWhatIsNotTheFormat_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("no header") << QByteArray("[HKEY_LOCAL_MACHINE\\x]\n\"A\"=\"b\"\n");
        QTest::newRow("binary garbage") << QByteArray("\x7f" "ELF\x01\x02\x00\xff\xfe", 9);
        QTest::newRow("truncated string") << QByteArray("REGEDIT4\n[S]\n\"VAR5\"=\"MS Sa");
        QTest::newRow("truncated name") << QByteArray("REGEDIT4\n[S]\n\"VA");
        QTest::newRow("dword too long") << QByteArray("REGEDIT4\n[S]\n\"V\"=dword:123456789\n");
        QTest::newRow("dword not hex") << QByteArray("REGEDIT4\n[S]\n\"V\"=dword:xyz\n");
        QTest::newRow("bad hex byte") << QByteArray("REGEDIT4\n[S]\n\"V\"=hex:1ff\n");
        QTest::newRow("unterminated section") << QByteArray("REGEDIT4\n[S\n");
        QTest::newRow("stray text") << QByteArray("REGEDIT4\nhello world\n");
    }
    void rejectsWhatIsNotTheFormat()
    {
        QFETCH(QByteArray, file);
        Values values;
        QString error;
        QVERIFY(!RegFormat::parse(file, values, &error));
        QVERIFY(!error.isEmpty());
    }

    void emptyFileIsAnEmptyStore()
    {
        Values values;
        QVERIFY(RegFormat::parse(QByteArray(), values));
        QVERIFY(values.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestRegFormat)
#include "tst_regformat.moc"
