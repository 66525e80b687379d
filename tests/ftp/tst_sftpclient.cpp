// The component over SFTP against a real SSH server: the host key asked
// about before anything is sent, transfers byte for byte, uploads that
// never leave half a page, and log-in with the user's own key. A changed
// host key is met in the FTP window's tests.
#include "ftpsteps.h"
#include "localsftpserver.h"
#include "support/files.h"

#include <QSignalSpy>
#include <QTest>

class TestSftpClient : public QObject
{
    Q_OBJECT

    QTemporaryDir m_home; // the user's ~/.ssh is the test's own

    QString knownHosts() const { return m_home.filePath(".ssh/known_hosts"); }

    // Logs in, taking the server's host key when asked.
    static PeerIdentity logInTrusting(TFTP &ftp, const LocalSftpServer &server)
    {
        QSignalSpy untrusted(&ftp, &TFTP::OnUntrustedPeer);
        logIn(ftp, server.host());
        if (untrusted.isEmpty())
            return {};
        const auto identity = untrusted[0][0].value<PeerIdentity>();
        ftp.trustHostKey(identity);
        logIn(ftp, server.host());
        return identity;
    }

private slots:
    void initTestCase() { qputenv("HOME", m_home.path().toUtf8()); }

    void transfersAfterAnUnknownHostKeyIsAccepted()
    {
        LocalSftpServer server;
        server.write("index.htm", "the old page");
        const QByteArray big = pattern(3 * 1024 * 1024);
        server.write("big.htm", big);
        server.write("sub/inner.htm", "inner");
        QVERIFY(server.start());
        QTemporaryDir local;
        {
            TFTP ftp;
            QSignalSpy untrusted(&ftp, &TFTP::OnUntrustedPeer);
            QCOMPARE(logIn(ftp, server.host()).number, 0);
            QCOMPARE(untrusted.size(), 1);
            QCOMPARE(ftp.state(), int(TFTP::Closed));
            QCOMPARE(server.passwordsReceived(), 0);
            const auto identity = untrusted[0][0].value<PeerIdentity>();
            QCOMPARE(identity.kind, PeerIdentity::Kind::HostKey);
            QVERIFY(!identity.changed);
            QCOMPARE(fingerprintText(identity).left(7), QString("SHA256:"));
            QVERIFY(ftp.trustHostKey(identity));
            QCOMPARE(readFile(knownHosts()), server.knownHostName() + ' ' + server.publicKey() + '\n');
            QCOMPARE(logIn(ftp, server.host()).number, 0);
            QVERIFY(ftp.encrypted());
            QCOMPARE(names(listing(ftp)), (QStringList{"./", "../", "big.htm", "index.htm", "sub/"}));
            QCOMPARE(finish(ftp, [&] { ftp.fetchFile("big.htm", local.filePath("big.htm")); }).number, 0);
            QVERIFY(readFile(local.filePath("big.htm")) == big);
            // The server renames nothing over an existing file.
            const QByteArray page = pattern(2 * 1024 * 1024 + 7);
            writeFile(local.filePath("index.htm"), page);
            QCOMPARE(finish(ftp, [&] { ftp.sendFile(local.filePath("index.htm"), "index.htm"); }).number, 0);
            QVERIFY(server.read("index.htm") == page);
            QCOMPARE(filesIn(server.path({})), (QStringList{"big.htm", "index.htm"}));
            // The log-in folder is the home; the folder above it can be reached.
            QCOMPARE(finish(ftp, [&] { ftp.parentDir(); }).number, 0);
            QVERIFY(names(listing(ftp)).contains("home/"));
            finish(ftp, [&] { ftp.changeDir("home"); });
            QCOMPARE(finish(ftp, [&] { ftp.changeDir("sub"); }).number, 0);
            QCOMPARE(names(listing(ftp)), (QStringList{"./", "../", "inner.htm"}));
        }
        TFTP again;
        QSignalSpy untrusted(&again, &TFTP::OnUntrustedPeer);
        QCOMPARE(logIn(again, server.host()).number, 0);
        QVERIFY(untrusted.isEmpty());
    }

    void anUploadCutOffLeavesTheOldPageAndNothingElse()
    {
        LocalSftpServer server;
        server.write("index.htm", "the old page");
        QVERIFY(server.start({"--drop-upload-after", "200000"}));
        QTemporaryDir local;
        writeFile(local.filePath("index.htm"), pattern(2 * 1024 * 1024));
        TFTP ftp;
        logInTrusting(ftp, server);
        QCOMPARE(finish(ftp, [&] { ftp.sendFile(local.filePath("index.htm"), "index.htm"); }).number, 2120);
        QCOMPARE(server.read("index.htm"), QByteArray("the old page"));
        QCOMPARE(filesIn(server.path({})), QStringList{"index.htm"});
    }

    // With no password the user's own key logs in, and no password is sent.
    void logsInWithTheUsersKey()
    {
        const QString key = m_home.filePath(".ssh/id_ed25519");
        QDir().mkpath(m_home.filePath(".ssh"));
        QCOMPARE(QProcess::execute("ssh-keygen", {"-q", "-t", "ed25519", "-N", "", "-f", key}), 0);
        LocalSftpServer server;
        server.write("index.htm", "page");
        QVERIFY(server.start({"--authorized-key", key + ".pub"}));
        TFTP ftp;
        QSignalSpy untrusted(&ftp, &TFTP::OnUntrustedPeer);
        logIn(ftp, server.host(), QString());
        ftp.trustHostKey(untrusted.value(0).value(0).value<PeerIdentity>());
        QCOMPARE(logIn(ftp, server.host(), QString()).number, 0);
        QCOMPARE(names(listing(ftp)), (QStringList{"./", "../", "index.htm"}));
        QCOMPARE(server.passwordsReceived(), 0);
        QFile::remove(key);
    }
};

QTEST_GUILESS_MAIN(TestSftpClient)
#include "tst_sftpclient.moc"
