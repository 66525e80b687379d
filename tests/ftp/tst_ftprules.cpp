// The rules behind the FTP window, without a window or a server: which
// files are listed and how, where a host text points, which message a
// failure gets.
#include "ftpaddress.h"
#include "ftplisting.h"
#include "ftptrust.h"
#include "listparser.h"

#include "bytetext.h"

#include <QTest>

class TestFtpRules : public QObject
{
    Q_OBJECT

private slots:
    void listedFilesAndTheirIcons()
    {
        QCOMPARE(listedFileIcon("a.b.html"), std::optional<int>(0));
        QCOMPARE(listedFileIcon(".htm"), std::optional<int>(0));
        for (const char *skipped : {"logo.gif", "README", "PAGE.HTM", "page.Htm", "page.htm.bak", "page.", "htm"})
            QVERIFY2(!listedFileIcon(skipped), skipped);
    }

    void sizesAndOrder()
    {
        QCOMPARE(sizeText(1024), QString("1024 bytes"));
        QCOMPARE(sizeText(1025), QString("1 Kb"));
        QCOMPARE(sizeText(20LL * 1024 * 1024 * 1024), QString("20971520 Kb"));
        QStringList names{"zeta.htm", "Beta.htm", "alpha.htm", "beta.htm", "Alpha.htm"};
        std::sort(names.begin(), names.end(), fileNameLess);
        QCOMPARE(names, (QStringList{"Alpha.htm", "alpha.htm", "Beta.htm", "beta.htm", "zeta.htm"}));
        QVERIFY(isDotEntry(".") && isDotEntry("..") && !isDotEntry("...") && !isDotEntry(".git"));
    }

    void hostTexts()
    {
        const auto parsed = [](const QString &text) {
            const FtpAddress address = parseFtpHost(text, 21);
            return address.host + " " + QString::number(address.port);
        };
        QCOMPARE(parsed(" ftp.example.com "), QString("ftp.example.com 21"));
        QCOMPARE(parsed("[::1]:2121"), QString("[::1] 2121"));
        QCOMPARE(parsed("::1"), QString("[::1] 21"));
        QCOMPARE(parsed("host:port"), QString("host 0"));
        QCOMPARE(parsed("sftp://host"), QString("host 22"));
        QCOMPARE(parsed("SFTP://[::1]:2222"), QString("[::1] 2222"));
        QVERIFY(parseFtpHost("sftp://host", 21).sftp && !parseFtpHost("host", 21).sftp);
    }

    // Listing lines as Unix, SFTP and Windows servers write them: every
    // byte and blank of a name kept, a link with what it points at.
    void listingLines()
    {
        const auto parsed = [](const char *line) { return parseListLine(QByteArray(line)).value_or(FTPDirItem{}); };
        FTPDirItem item = parsed("-rw-r--r--    1 0        0            1024 Dec 07 22:40  lead.htm\r");
        QCOMPARE(item.serverName, QByteArray(" lead.htm"));
        QCOMPARE(item.size, 1024);
        QCOMPARE(item.kind, int(FTPDirItem::File));
        item = parsed("-rw-r--r-- 1 owner group 5 Jan  1  2023 caf\xe9 page.htm");
        QCOMPARE(item.serverName, QByteArray("caf\xe9 page.htm"));
        QCOMPARE(ByteText::encode(item.fileName), item.serverName);
        QCOMPARE(parsed("drwxr-xr-x 2 u g 4096 Mar 10 09:05 my folder").kind, int(FTPDirItem::Directory));
        item = parsed("lrwxrwxrwx 1 u g 3 Dec 07 22:40 current -> sub");
        QCOMPARE(item.serverName + " " + item.linkTarget, QByteArray("current sub"));
        QVERIFY(item.maybeFolder);
        item = parsed("12-07-26  10:00PM       <DIR>          Old Site");
        QCOMPARE(item.serverName, QByteArray("Old Site"));
        QCOMPARE(item.kind, int(FTPDirItem::Directory));
        QCOMPARE(parsed("12-07-26  10:00PM                 5000 index.htm").size, 5000);
        for (const char *none : {"total 12", "", "a line that describes nothing"})
            QVERIFY2(!parseListLine(QByteArray(none)), none);
    }

    void linksTakeTheKindOfWhatTheyPointAt()
    {
        QList<FTPDirItem> items;
        for (const char *line :
             {"drwxr-xr-x 2 u g 4096 Mar 10 09:05 sub", "lrwxrwxrwx 1 u g 3 Mar 10 09:05 current -> sub/",
              "lrwxrwxrwx 1 u g 3 Mar 10 09:05 chain -> ./current",
              "lrwxrwxrwx 1 u g 3 Mar 10 09:05 page.htm -> /srv/elsewhere",
              "lrwxrwxrwx 1 u g 3 Mar 10 09:05 loop -> loop", "lrwxrwxrwx 1 u g 3 Mar 10 09:05 away -> /nowhere"})
            items << *parseListLine(QByteArray(line));
        resolveLinks(items);
        QString kinds;
        for (const FTPDirItem &item : items)
            kinds += item.maybeFolder ? '?' : item.kind == FTPDirItem::Directory ? 'd' : 'f';
        QCOMPARE(kinds, QString("dddf??"));
        QCOMPARE(knownHostName("[::1]", 22) + " " + knownHostName("host", 2222), QByteArray("::1 [host]:2222"));
    }

    // URLs name folders and files as the server spells them, encoded, and
    // never carry anything but the host; a host that cannot be one gives none.
    void urls()
    {
        const FtpAddress address{"127.0.0.1", 2121};
        QCOMPARE(ftpUrl(address, {}), QByteArray("ftp://127.0.0.1:2121/"));
        QCOMPARE(ftpUrl(address, {"my site", ".."}, "p\xc3\xa4ge #1.htm"),
                 QByteArray("ftp://127.0.0.1:2121/my%20site/../p%C3%A4ge%20%231.htm"));
        QCOMPARE(ftpUrl({"127.0.0.1", 22, true}, {"home", "me"}), QByteArray("sftp://127.0.0.1:22/home/me/"));
        for (const FtpAddress &bad : {FtpAddress{"", 21}, FtpAddress{"user@host", 21}, FtpAddress{"a/b", 21},
                                      FtpAddress{"host", 0}, FtpAddress{"host", 65536}})
            QVERIFY2(ftpUrl(bad, {}).isEmpty(), qPrintable(bad.host));
    }
};

QTEST_APPLESS_MAIN(TestFtpRules)
#include "tst_ftprules.moc"
