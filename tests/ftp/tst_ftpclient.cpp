// The FTP component against a real server: log-in, listing, folders,
// transfers, and every failure a local server can provoke.
#include "bytetext.h"
#include "ftpsteps.h"
#include "localftpserver.h"
#include "localvsftpd.h"
#include "support/files.h"

#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <unistd.h>

class TestFtpClient : public QObject
{
    Q_OBJECT

private slots:
    void logsInListsAndMovesBetweenFolders()
    {
        LocalFtpServer server;
        server.write("index.htm", QByteArray(1024, 'a'));
        server.write("style.css", QByteArray(5000, 'b'));
        server.write("sub/deeper/page.html", "deep");
        server.write("sub/inner.txt", "inner");
        server.mkdir("empty");
        QVERIFY(server.start());
        TFTP ftp;
        QSignalSpy busy(&ftp, &TFTP::OnBusy);
        QSignalSpy ready(&ftp, &TFTP::OnProtocolStateChanged);
        QCOMPARE(logIn(ftp, server.host()).number, 0);
        QCOMPARE(ftp.state(), int(TFTP::Connected));
        QCOMPARE(ready.last().first().toInt(), int(TFTP::Ready));
        QCOMPARE(busy.size(), 2);
        QVERIFY(busy[0][0].toBool() && !busy[1][0].toBool());
        QList<FTPDirItem> top = listing(ftp);
        QCOMPARE(names(top), (QStringList{"empty/", "index.htm", "style.css", "sub/"}));
        QCOMPARE(top[1].size, 1024);
        QSignalSpy changed(&ftp, &TFTP::OnChangeDir);
        QSignalSpy up(&ftp, &TFTP::OnParentDir);
        QCOMPARE(finish(ftp, [&] { ftp.changeDir("sub"); }).number, 0);
        finish(ftp, [&] { ftp.changeDir("deeper"); });
        QCOMPARE(names(listing(ftp)), QStringList{"page.html"});
        finish(ftp, [&] { ftp.parentDir(); });
        QCOMPARE(changed.size(), 2);
        QCOMPARE(up.size(), 1);
        QCOMPARE(names(listing(ftp)), (QStringList{"deeper/", "inner.txt"}));
        finish(ftp, [&] { ftp.parentDir(); });
        // An empty folder lists nothing and is no failure.
        finish(ftp, [&] { ftp.changeDir("empty"); });
        QSignalSpy errors(&ftp, &TFTP::OnError);
        QVERIFY(listing(ftp).isEmpty());
        QVERIFY(errors.isEmpty());
    }

    void logInFailures()
    {
        LocalFtpServer server;
        QVERIFY(server.start());
        {
            TFTP ftp;
            const Error wrong = logIn(ftp, server.host(), "not-the-password");
            QCOMPARE(wrong.number, 1015);
            QVERIFY(!wrong.text.contains("not-the-password"));
            QCOMPARE(ftp.state(), int(TFTP::Closed));
        }
        for (const QString &host : {QString("127.0.0.1:notaport"), QString("bad host/x")}) {
            TFTP ftp;
            QCOMPARE(logIn(ftp, host).number, 2108);
        }
    }

    // A server that takes the connection and never answers: the time-out
    // ends the log-in, and the program goes on meanwhile.
    void aSilentServerTimesOutWithoutStoppingTheProgram()
    {
        LocalFtpServer silent;
        QVERIFY(silent.start({"--silent"}));
        TFTP ftp;
        ftp.setTimeouts(2, 2);
        int ticks = 0;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, [&ticks] { ++ticks; });
        ticker.start(100);
        QCOMPARE(logIn(ftp, silent.host()).number, 2108);
        QVERIFY2(ticks >= 5, qPrintable(QString::number(ticks)));
    }

    void fetchesWholeFilesAndReportsProgress()
    {
        LocalFtpServer server;
        const QByteArray big = pattern(4 * 1024 * 1024);
        server.write("big.htm", big);
        const QByteArray oddName = QString("my pägé €.htm").toUtf8();
        server.write(QString::fromUtf8(oddName), "odd\r\nname");
        QVERIFY(server.start());
        QTemporaryDir local;
        TFTP ftp;
        logIn(ftp, server.host());
        const QList<FTPDirItem> items = listing(ftp);
        QCOMPARE(names(items), (QStringList{"big.htm", "my pägé €.htm"}));
        QCOMPARE(items[1].serverName, oddName);
        QSignalSpy output(&ftp, &TFTP::OnDocOutput);
        const QString target = local.filePath("big.htm");
        writeFile(target, "the old copy");
        // The copy on disk keeps its other name and its mode.
        const QString otherName = local.filePath("other name.htm");
        QCOMPARE(::link(qPrintable(target), qPrintable(otherName)), 0);
        QVERIFY(QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
        finish(ftp, [&] { ftp.setType(TFTP::kBinaryType); });
        QCOMPARE(finish(ftp, [&] { ftp.fetchFile("big.htm", target); }).number, 0);
        QVERIFY(readFile(target) == big);
        QVERIFY(readFile(otherName) == big);
        const QFile::Permissions notOwnOnly = QFile::ReadUser | QFile::WriteUser | QFile::ExeUser;
        QCOMPARE(QFile::permissions(target) & ~notOwnOnly, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
        QFile::remove(otherName);
        QCOMPARE(filesIn(local.path()), QStringList{"big.htm"});
        QVERIFY(output.size() >= 2);
        QCOMPARE(output.last()[0].toInt(), int(TFTP::DocEnd));
        QCOMPARE(output.last()[1].toLongLong(), big.size());
        // The size from the listing stands in for the one the server keeps to itself.
        QCOMPARE(output.first()[0].toInt(), int(TFTP::DocData));
        QCOMPARE(output.first()[2].toLongLong(), big.size());
        // A link on disk stays a link; its file takes the bytes.
        const QString odd = local.filePath("odd copy.htm");
        writeFile(local.filePath("linked.htm"), "old");
        QVERIFY(QFile::link(local.filePath("linked.htm"), odd));
        QCOMPARE(finish(ftp, [&] { ftp.fetchFile("my pägé €.htm", odd); }).number, 0);
        QVERIFY(QFileInfo(odd).isSymLink());
        QCOMPARE(readFile(local.filePath("linked.htm")), QByteArray("odd\r\nname"));
    }

    void aFailedFetchLeavesTheOldFileAsItWas()
    {
        QTemporaryDir local;
        const QString target = local.filePath("page.htm");
        for (const QStringList &options :
             {QStringList{"--drop-after", "300000"}, QStringList{"--stall-after", "300000"}}) {
            LocalFtpServer server;
            server.write("page.htm", pattern(3 * 1024 * 1024));
            server.write("gone.htm", "soon gone");
            QVERIFY(server.start(options));
            writeFile(target, "the old copy");
            TFTP ftp;
            ftp.setTimeouts(5, 2);
            logIn(ftp, server.host());
            QCOMPARE(listing(ftp).size(), 2);
            QSignalSpy output(&ftp, &TFTP::OnDocOutput);
            QCOMPARE(finish(ftp, [&] { ftp.fetchFile("page.htm", target); }).number, 2113);
            QVERIFY(!output.isEmpty()); // it had begun
            for (const QList<QVariant> &notification : output)
                QVERIFY(notification[0].toInt() != TFTP::DocEnd);
            QCOMPARE(readFile(target), QByteArray("the old copy"));
            QCOMPARE(filesIn(local.path()), QStringList{"page.htm"});
        }
        {
            LocalFtpServer server;
            server.write("gone.htm", "soon gone");
            QVERIFY(server.start());
            TFTP ftp;
            logIn(ftp, server.host());
            listing(ftp);
            QFile::remove(server.path("gone.htm"));
            QCOMPARE(finish(ftp, [&] { ftp.fetchFile("gone.htm", target); }).number, 2113);
            QCOMPARE(readFile(target), QByteArray("the old copy"));
            // A folder that cannot take the file.
            const Error unwritable = finish(ftp, [&] { ftp.fetchFile("gone.htm", "/nonexistent/folder/x.htm"); });
            QCOMPARE(unwritable.number, TFTP::kLocalFileError);
            QCOMPARE(unwritable.text, QString("Cannot create file /nonexistent/folder/x.htm"));
        }
    }

    void refusalsOfTheServer()
    {
        {
            // A user who may neither list nor write.
            LocalFtpServer server;
            QVERIFY(server.start({"--perm", "er"}));
            QTemporaryDir local;
            const QString page = local.filePath("up.htm");
            writeFile(page, "up");
            TFTP ftp;
            logIn(ftp, server.host());
            QSignalSpy items(&ftp, &TFTP::OnListItem);
            QCOMPARE(finish(ftp, [&] { ftp.list(); }).number, 2117);
            QVERIFY(items.isEmpty());
            QCOMPARE(finish(ftp, [&] { ftp.sendFile(page, "up.htm"); }).number, 2120);
            QVERIFY(!QFile::exists(server.path("up.htm")));
        }
        {
            LocalFtpServer server;
            server.write("page.htm", "page");
            QVERIFY(server.start({"--refuse-binary"}));
            QTemporaryDir local;
            TFTP ftp;
            logIn(ftp, server.host());
            QCOMPARE(listing(ftp).size(), 1);
            finish(ftp, [&] { ftp.setType(TFTP::kBinaryType); });
            QCOMPARE(finish(ftp, [&] { ftp.fetchFile("page.htm", local.filePath("page.htm")); }).number, 2127);
        }
    }

    // The server takes no log-in and no data on a plain connection, so
    // every step here went over TLS; its certificate is its own, so the
    // first log-in stops before the user name goes out.
    void usesTlsWhenTheServerOffersIt()
    {
        LocalFtpServer server;
        server.write("index.htm", "secret page");
        QVERIFY(server.start({"--tls"}));
        QTemporaryDir local;
        TFTP ftp;
        QSignalSpy untrusted(&ftp, &TFTP::OnUntrustedPeer);
        QCOMPARE(logIn(ftp, server.host()).number, 0);
        QCOMPARE(untrusted.size(), 1);
        QCOMPARE(ftp.state(), int(TFTP::Closed));
        const auto identity = untrusted[0][0].value<PeerIdentity>();
        QCOMPARE(identity.kind, PeerIdentity::Kind::Certificate);
        QCOMPARE(identity.subject, QString("CN=127.0.0.1"));
        QCOMPARE(identity.fingerprint.size(), 32);
        ftp.TrustedCertificate = identity.fingerprint;
        QCOMPARE(logIn(ftp, server.host()).number, 0);
        QVERIFY(ftp.encrypted());
        QCOMPARE(names(listing(ftp)), QStringList{"index.htm"});
        finish(ftp, [&] { ftp.setType(TFTP::kBinaryType); });
        QCOMPARE(finish(ftp, [&] { ftp.fetchFile("index.htm", local.filePath("index.htm")); }).number, 0);
        QCOMPARE(readFile(local.filePath("index.htm")), QByteArray("secret page"));
    }

    // An upload goes to a temporary name and takes the page's place only
    // when whole, byte for byte; cut off midway, it leaves the old page and
    // nothing else.
    void uploadsReplaceThePageOnlyWhenWhole()
    {
        QTemporaryDir local;
        const QString name = "mein Frühling.htm";
        const QByteArray bytes = pattern(4 * 1024 * 1024);
        writeFile(local.filePath(name), bytes);
        for (const QStringList &options : {QStringList{}, QStringList{"--drop-upload-after", "300000"}}) {
            const bool whole = options.isEmpty();
            LocalFtpServer server;
            server.write("site/" + name, "the old page");
            QVERIFY(server.start(options));
            TFTP ftp;
            logIn(ftp, server.host());
            listing(ftp);
            finish(ftp, [&] { ftp.changeDir("site"); });
            QSignalSpy input(&ftp, &TFTP::OnDocInput);
            QCOMPARE(finish(ftp, [&] { ftp.sendFile(local.filePath(name), name); }).number, whole ? 0 : 2120);
            QVERIFY(server.read("site/" + name) == (whole ? bytes : QByteArray("the old page")));
            QCOMPARE(filesIn(server.path("site")), QStringList{name});
            if (whole) {
                QCOMPARE(input.last()[0].toInt(), int(TFTP::DocEnd));
                QCOMPARE(input.last()[1].toLongLong(), bytes.size());
                const Error missing = finish(ftp, [&] { ftp.sendFile(local.filePath("none.htm"), "none.htm"); });
                QCOMPARE(missing.number, TFTP::kLocalFileError);
                QCOMPARE(missing.text, "Cannot open file " + local.filePath("none.htm"));
            }
        }
    }

    // Names keep the server's bytes: two that read alike are two files and
    // each downloads itself, and blanks in front stay. Links take the kind
    // of what they point at.
    void namesAndLinksAsTheServerHasThem()
    {
        LocalVsftpd server;
        server.write("caf\xe9.htm", "latin-1");
        server.write("caf\xc3\xa9.htm", "utf-8");
        server.write(" lead.htm", "blank");
        server.write("\ttab.htm", "tab");
        QDir().mkpath(server.path("sub"));
        server.link("current", "sub");
        server.link("latest.htm", "caf\xc3\xa9.htm");
        server.link("away", "/nowhere");
        QVERIFY(server.start());
        TFTP ftp;
        QCOMPARE(logIn(ftp, server.host(), LocalVsftpd::kPassword, LocalVsftpd::kUser).number, 0);
        const QList<FTPDirItem> items = listing(ftp);
        const QString latin = ByteText::decode("caf\xe9.htm");
        QCOMPARE(names(items),
                 (QStringList{"\ttab.htm", " lead.htm", "away/", "café.htm", latin, "current/", "latest.htm", "sub/"}));
        QVERIFY(items[2].maybeFolder && !items[5].maybeFolder);
        QTemporaryDir local;
        const QString target = local.filePath("page.htm");
        for (const auto &[name, bytes] : {std::pair{latin, "latin-1"},
                                          {"café.htm", "utf-8"},
                                          {" lead.htm", "blank"},
                                          {"\ttab.htm", "tab"},
                                          {"latest.htm", "utf-8"}}) {
            QCOMPARE(finish(ftp, [&] { ftp.fetchFile(name, target); }).number, 0);
            QCOMPARE(readFile(target), QByteArray(bytes));
        }
        QCOMPARE(finish(ftp, [&] { ftp.changeDir("away"); }).number, 2107);
        QCOMPARE(finish(ftp, [&] { ftp.changeDir("current"); }).number, 0);
        QVERIFY(listing(ftp).isEmpty());
    }

    // The window closed in mid-upload: what was sent goes again, over a
    // new connection, and the page stays as it was.
    void aCancelledUploadRemovesWhatItSent()
    {
        LocalFtpServer server;
        server.write("index.htm", "the old page");
        QVERIFY(server.start({"--stall-upload-after", "300000"}));
        QTemporaryDir local;
        writeFile(local.filePath("index.htm"), pattern(32 * 1024 * 1024));
        auto ftp = std::make_unique<TFTP>();
        logIn(*ftp, server.host());
        ftp->sendFile(local.filePath("index.htm"), "index.htm");
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(server.path(".index.htm.part")).size() >= 300000, 10000);
        ftp.reset();
        QTRY_COMPARE_WITH_TIMEOUT(filesIn(server.path({})), QStringList{"index.htm"}, 15000);
        QCOMPARE(server.read("index.htm"), QByteArray("the old page"));
    }

    // A server that closed the idle connection gets a new log-in, unseen.
    void anIdleConnectionClosedByTheServerIsOpenedAgain()
    {
        LocalFtpServer server;
        server.write("sub/inner.htm", "inner");
        QVERIFY(server.start({"--idle-timeout", "1"}));
        TFTP ftp;
        logIn(ftp, server.host());
        QCOMPARE(names(listing(ftp)), QStringList{"sub/"});
        QTest::qWait(2500);
        QCOMPARE(finish(ftp, [&] { ftp.changeDir("sub"); }).number, 0);
        QCOMPARE(names(listing(ftp)), QStringList{"inner.htm"});
    }
};

QTEST_GUILESS_MAIN(TestFtpClient)
#include "tst_ftpclient.moc"
