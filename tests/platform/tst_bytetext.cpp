#include "bytetext.h"
#include "support/pseudorandom.h"

#include <QTest>

class TestByteText : public QObject
{
    Q_OBJECT

private slots:
    void validUtf8IsReadAsText()
    {
        const QByteArray bytes = "caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80";
        QCOMPARE(ByteText::decode(bytes), QString::fromUtf8(bytes));
        QCOMPARE(ByteText::encode(ByteText::decode(bytes)), bytes);
    }

    void namesThatDecodeAlikeStayApart()
    {
        const QString latin1 = ByteText::decode("caf\xe9.htm");
        const QString utf8 = ByteText::decode("caf\xc3\xa9.htm");
        QVERIFY(latin1 != utf8);
        QCOMPARE(ByteText::encode(latin1), QByteArray("caf\xe9.htm"));
        QCOMPARE(ByteText::displayed(latin1), QString::fromUtf8("caf\xef\xbf\xbd.htm"));
    }

    // Overlong forms, encoded surrogates, truncated and out-of-range
    // sequences are carried byte by byte.
    void everyByteSequenceRoundTrips()
    {
        const QList<QByteArray> awkward = {
            "\xc0\xaf", "\xed\xa0\x80", "\xf4\x90\x80\x80",    "\xe2\x82",
            "\x80\xbf", "\xff\xfe",     QByteArray("a\0b", 3), "\xef\xbb\xbf",
        };
        for (const QByteArray &bytes : awkward)
            QCOMPARE(ByteText::encode(ByteText::decode(bytes)), bytes);
        Pseudorandom random{20261207};
        for (int round = 0; round < 2000; ++round) {
            QByteArray bytes;
            for (quint32 n = random.below(24); n > 0; --n)
                bytes.append(char(random.below(2) ? 0x80 + random.below(0x80) : random.below(0x100)));
            QCOMPARE(ByteText::encode(ByteText::decode(bytes)), bytes);
        }
    }
};

QTEST_APPLESS_MAIN(TestByteText)
#include "tst_bytetext.moc"
