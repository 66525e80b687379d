// The FTP window before anything is sent, against vsftpd and an SFTP
// server: a certificate that is not trusted is asked about, one the user
// trusts stays with the account, a changed one is asked about again, and an
// account that has connected encrypted never logs in in clear; host keys
// likewise. The servers' own logs are the witnesses.
#include "ftpaccounts.h"
#include "ftpclient.h"
#include "ftpform.h"
#include "localsftpserver.h"
#include "localvsftpd.h"
#include "settingsstore.h"
#include "support/scripted.h"
#include "support/storedvalue.h"

#include <QLabel>
#include <QTest>
#include <QTreeWidget>

namespace {

// Shows the FTP window on a server for an account, answering its questions
// as given, until it has listed the log-in folder or closed.
struct Showing {
    ScriptedMessages messages;
    Tftpform form{Tftpform::Mode::Down, QString()};
    bool settled = false;

    template <typename Server>
    Showing(const Server &server, int account, QList<Messages::Button> answers = {})
    {
        messages.answers << answers;
        g_connection = {server.host(), Server::kUser, Server::kPassword, account};
        form.show();
        settled = QTest::qWaitFor(
            [this] { return !form.isVisible() || (!form.EncryptionLabel->text().isEmpty() && !form.FTP1->busy()); },
            30000);
    }
};

} // namespace

class TestFtpTrust : public QObject
{
    Q_OBJECT

private slots:
    void init() { QFile::remove(RegKey::storePath()); }

    void anUntrustedCertificateIsAskedAboutBeforeTheLogIn()
    {
        LocalVsftpd server;
        QVERIFY(server.start("tls.example"));
        QFile::copy(QStringLiteral(QUENDEL_FTP_SERVER), server.path("page.htm"));
        const QString fingerprint = fingerprintText(PeerIdentity::Kind::Certificate, server.certificateFingerprint());
        {
            Showing no(server, 1, {Messages::No});
            QVERIFY(no.settled && !no.form.isVisible());
            QCOMPARE(no.messages.shown.size(), 1);
            const Messages::Request question = no.messages.shown[0];
            QCOMPARE(question.kind, Messages::Kind::Warning);
            QCOMPARE(question.buttons, Messages::Yes | Messages::No | Messages::Help);
            QCOMPARE(question.helpContext, 1035);
            for (const QString &line :
                 QStringList{"Subject: CN=tls.example", "Issuer: CN=tls.example", "SHA-256 fingerprint: " + fingerprint,
                             "Valid from: ", "Valid until: "})
                QVERIFY2(question.text.contains(line), qPrintable(question.text));
            QVERIFY(!server.got("USER") && !server.got("PASS"));
            QVERIFY(storedValue("CERT1").isEmpty());
        }
        {
            Showing yes(server, 1, {Messages::Yes});
            QVERIFY(yes.settled);
            QCOMPARE(yes.messages.shown.size(), 1);
            QCOMPARE(yes.form.ListView2->topLevelItemCount(), 1);
            QCOMPARE(yes.form.EncryptionLabel->text(), QString("Connection encrypted"));
            QVERIFY(server.got("USER") && server.got("AUTH")); // the log is a witness
            QCOMPARE(storedValue("CERT1"), QString::fromLatin1(server.certificateFingerprint().toHex()));
            QVERIFY(connectedEncrypted(1));
        }
        Showing pinned(server, 1);
        QVERIFY(pinned.settled && pinned.form.isVisible());
        QVERIFY(pinned.messages.shown.isEmpty());
    }

    void aChangedCertificateIsAskedAboutAgain()
    {
        LocalVsftpd trusted;
        LocalVsftpd other;
        QVERIFY(trusted.start("tls.example") && other.start("tls.example"));
        trustCertificate(1, trusted.certificateFingerprint());
        Showing no(other, 1, {Messages::No});
        QVERIFY(no.settled && !no.form.isVisible());
        const QString question = no.messages.texts().value(0);
        QVERIFY(question.contains(
            "Trusted before: " + fingerprintText(PeerIdentity::Kind::Certificate, trusted.certificateFingerprint())));
        QVERIFY(question.contains("Now: "
                                  + fingerprintText(PeerIdentity::Kind::Certificate, other.certificateFingerprint())));
        QVERIFY(!other.got("USER") && !other.got("PASS"));
        QCOMPARE(trustedCertificate(1), trusted.certificateFingerprint());
    }

    void anAccountThatWasEncryptedRefusesPlainFtp()
    {
        LocalVsftpd plain;
        QVERIFY(plain.start());
        markConnectedEncrypted(1);
        {
            Showing refused(plain, 1);
            QVERIFY(refused.settled && !refused.form.isVisible());
            QCOMPARE(refused.messages.texts(), QStringList{encryptionRefusedMessage()});
            QVERIFY(!plain.got("USER") && !plain.got("PASS"));
        }
        // An account that never saw encryption goes on in plain FTP, and says so.
        Showing other(plain, 2);
        QVERIFY(other.settled && other.form.isVisible() && other.messages.shown.isEmpty());
        QCOMPARE(other.form.EncryptionLabel->text(), QString("Connection NOT encrypted"));
        QVERIFY(!connectedEncrypted(2));
    }

    void hostKeysAreAskedAboutOrRefused()
    {
        QTemporaryDir home;
        qputenv("HOME", home.path().toUtf8());
        LocalSftpServer server;
        LocalSftpServer other;
        server.write("index.htm", "page");
        QVERIFY(server.start() && other.start());
        {
            Showing yes(server, 1, {Messages::Yes});
            QVERIFY(yes.settled);
            QCOMPARE(yes.messages.shown.size(), 1);
            QCOMPARE(yes.messages.shown[0].buttons, Messages::Yes | Messages::No | Messages::Help);
            QVERIFY(yes.messages.shown[0].text.startsWith("The server's host key is not known yet."));
            QCOMPARE(yes.form.ListView2->topLevelItemCount(), 1);
            QCOMPARE(yes.form.EncryptionLabel->text(), QString("Connection encrypted"));
        }
        QFile hosts(home.filePath(".ssh/known_hosts"));
        QVERIFY(hosts.open(QIODevice::WriteOnly | QIODevice::Truncate));
        hosts.write(server.knownHostName() + ' ' + other.publicKey() + '\n');
        hosts.close();
        Showing changed(server, 1);
        QVERIFY(changed.settled && !changed.form.isVisible());
        QCOMPARE(changed.messages.shown.size(), 1);
        QCOMPARE(changed.messages.shown[0].buttons, Messages::Buttons(Messages::OK));
        QVERIFY(
            changed.messages.shown[0].text.startsWith("The server's host key is not the one ~/.ssh/known_hosts holds"));
        QCOMPARE(server.passwordsReceived(), 1); // the first showing's only
    }
};

QTEST_MAIN(TestFtpTrust)
#include "tst_ftptrust.moc"
