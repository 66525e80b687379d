#include "bytetext.h"
#include "regformat.h"

#include <QTest>

using RegFormat::Document;
using RegFormat::Value;

namespace {

const QByteArray kHeader = "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Varnholt\\Quendel\\Config]\n";

Document parsed(const QByteArray &file)
{
    Document document;
    QString error;
    if (!document.parse(file, &error))
        qWarning("%s", qPrintable(error));
    return document;
}

} // namespace

class TestRegFormat : public QObject
{
    Q_OBJECT

private slots:
    void readsEveryValueKind()
    {
        const Document document = parsed("REGEDIT4\r\n\r\n"
                                         "[HKEY_LOCAL_MACHINE\\Software\\Varnholt\\Quendel\\Config]\r\n"
                                         "\"VAR4\"=\"c:\\\\\"\r\n"
                                         "\"VAR5\"=\"MS \\\"Sans\\\" Seriff\"\r\n"
                                         "\"VAR6\"=dword:0000000a\r\n"
                                         "\"VAR9\"=hex(2):25,54,45,4d,50,25,00\r\n"
                                         "\"TAG1\"=hex(1):3c,50,3e,0d,0a,\\\r\n  3c,2f,50,3e,00\r\n"
                                         "\"BIN\"=hex:01,02,\\\r\n  03\r\n"
                                         "\"GONE\"=\"x\"\r\n\"gone\"=-\r\n"
                                         "\r\n[HKEY_LOCAL_MACHINE\\Software\\Other]\r\n\"VAR3\"=\"elsewhere\"\r\n");
        QCOMPARE(document.find("VAR4")->text, QString("c:\\"));
        QCOMPARE(document.find("var5")->text, QString("MS \"Sans\" Seriff"));
        QCOMPARE(document.find("VAR6")->type, Value::Type::Dword);
        QCOMPARE(document.find("VAR6")->number, 10);
        QCOMPARE(document.find("VAR9")->text, QString("%TEMP%"));
        QCOMPARE(document.find("TAG1")->text, QString("<P>\r\n</P>"));
        QCOMPARE(document.find("BIN")->type, Value::Type::Other);
        QVERIFY(!document.find("GONE"));
        QVERIFY(!document.find("VAR3")); // another section's value
    }

    // Earlier versions wrote line breaks into quoted strings as they were.
    void readsStringsBrokenOverLines()
    {
        const Document document = parsed(kHeader + "\"TAG1\"=\"<P \\\"a\\\">\r\n\r\n</P>\"\n\"BACK1\"=dword:2\n");
        QCOMPARE(document.find("TAG1")->text, QString("<P \"a\">\r\n\r\n</P>"));
        QCOMPARE(document.find("BACK1")->number, 2);
    }

    void everyTextReadsBackIdentically()
    {
        const char raw[] = "line\r\nnext\rcr\nlf \"quoted\" back\\slash\\ tab\t nul\0 M\xfcller caf\xc3\xa9 \x7f";
        const QStringList texts = {QString(), "c:\\", "\\\"", ByteText::decode(QByteArray(raw, sizeof raw - 1))};
        for (const QString &text : texts) {
            Document document = parsed(kHeader);
            document.setString("TEXT", text);
            const QByteArray file = document.bytes();
            QCOMPARE(file.count('\n'), 4); // one line for the value
            QVERIFY(!file.contains('\r'));
            QCOMPARE(parsed(file).find("TEXT")->text, text);
        }
        Document document;
        document.setDword("NEG", -5);
        QVERIFY(document.bytes().endsWith("\"NEG\"=dword:fffffffb\n"));
        QCOMPARE(parsed(document.bytes()).find("NEG")->number, -5);
    }

    // A write changes that value's lines and nothing else: not the other
    // sections, comments, the default value, the byte-order mark, the line
    // ends or a hex(2) value left alone.
    void writingTouchesOnlyThatValue()
    {
        const QByteArray head = "\xEF\xBB\xBFREGEDIT4\r\n\r\n"
                                "; exported by hand\r\n"
                                "[HKEY_LOCAL_MACHINE\\Software\\Other]\r\n\"VAR4\"=\"theirs\"\r\n\r\n"
                                "[hkey_local_machine\\software\\varnholt\\quendel\\config]\r\n"
                                "@=\"default\"\r\n"
                                "\"VAR9\"=hex(2):25,54,45,4d,50,25,00\r\n"
                                "; mine\r\n";
        const QByteArray tail = "\r\n[Last]\r\n\"X\"=hex:01,\\\r\n  02";
        Document document = parsed(head + "\"var4\"=\"old\"\r\n\"VAR1\"=\"obsolete\"\r\n\"VAR4\"=\"twice\"\r\n" + tail);
        document.setString("VAR4", "new");
        document.remove("VAR1");
        document.setDword("VAR6", 12);
        const QByteArray after = head + "\"VAR4\"=\"new\"\r\n\"VAR6\"=dword:0000000c\r\n" + tail;
        QCOMPARE(document.bytes(), after);
    }

    void addsOurSectionWhereItIsMissing()
    {
        Document document = parsed("REGEDIT4\n\n[Other]\n\"A\"=\"b\"");
        document.setString("VAR5", "Mono");
        QCOMPARE(document.bytes(),
                 QByteArray("REGEDIT4\n\n[Other]\n\"A\"=\"b\"\n\n[") + RegFormat::kSection + "]\n\"VAR5\"=\"Mono\"\n");
        Document empty;
        QVERIFY(empty.parse(" \n"));
        empty.setDword("tagsins", 1);
        QCOMPARE(empty.bytes(), kHeader + "\"tagsins\"=dword:00000001\n");
    }

    void rejectsWhatIsNotTheFormat()
    {
        const QByteArray our = "REGEDIT4\n[" + QByteArray(RegFormat::kSection) + "]\n";
        for (const QByteArray &file :
             {QByteArray("[HKEY_LOCAL_MACHINE\\x]\n\"A\"=\"b\"\n"),
              QByteArray("\x7f"
                         "ELF\x01\x00\xff",
                         7),
              our + "\"VAR5\"=\"MS Sa", our + "\"VA", our + "\"V\"=dword:123456789\n", our + "\"V\"=dword:xyz\n",
              our + "\"V\"=hex:1ff\n", QByteArray("REGEDIT4\n[S\n"), our + "hello world\n"}) {
            Document document;
            QString error;
            QVERIFY2(!document.parse(file, &error) && !error.isEmpty(), file.constData());
        }
    }
};

QTEST_GUILESS_MAIN(TestRegFormat)
#include "tst_regformat.moc"
