// FTP, FTPS and SFTP against local servers (pyftpdlib on 127.0.0.1, plain
// and with TLS, and an asyncssh SFTP server), measured side by side in one
// run:
//   - a 20 MiB download and a 20 MiB upload through our component
//     (connect, log-in, transfer; an upload goes to a temporary name, is
//     checked and renamed into place) against the curl command doing the
//     same transfer, in turns;
//   - the FTP window opening on a folder of 10,000 pages: from showing it
//     until the list is filled.
//
//   bench_ftp [repeats]

#include "benchsupport.h"
#include "ftpaccounts.h"
#include "ftpclient.h"
#include "ftpform.h"
#include "localftpserver.h"
#include "localsftpserver.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QTemporaryDir>
#include <QEventLoop>
#include <QTimer>
#include <QTreeWidget>

namespace {

// Waits in the event loop until the component reports itself idle and
// 'done' holds; no polling, so no delay of the harness's own is measured.
bool waitIdle(
    TFTP &ftp, const std::function<bool()> &done = [] { return true; })
{
    const auto finished = [&] { return !ftp.busy() && done(); };
    QEventLoop loop;
    QObject::connect(&ftp, &TFTP::OnBusy, &loop, [&] {
        if (finished())
            loop.quit();
    });
    QTimer::singleShot(120000, &loop, &QEventLoop::quit);
    if (!finished())
        loop.exec();
    return finished();
}

// A server as the component and the curl command reach it.
struct Endpoint {
    const char *name;
    QString host;    // the account's host text
    QString curlUrl; // the folder the files are in, for curl
    QStringList curlOptions;
    QByteArray certificate; // the certificate the account trusts
    QString folder;         // where the server keeps the files on this disk
};

// Connect, log in and transfer, the way the FTP window does.
bool transferWithComponent(const Endpoint &server, bool upload, const QString &local, const QString &remote)
{
    TFTP ftp;
    ftp.TrustedCertificate = server.certificate;
    QSignalSpy wanted(&ftp, &TFTP::OnProtocolStateChanged);
    QSignalSpy errors(&ftp, &TFTP::OnError);
    ftp.connectToHost(server.host, TFTP::kStandardPort);
    if (wanted.isEmpty() && !wanted.wait(10000))
        return false;
    ftp.authenticate(LocalFtpServer::kUser, LocalFtpServer::kPassword);
    if (!waitIdle(ftp) || ftp.state() != TFTP::Connected)
        return false;
    ftp.setType(TFTP::kBinaryType);
    waitIdle(ftp);
    if (upload)
        ftp.sendFile(local, remote);
    else
        ftp.fetchFile(remote, local);
    return waitIdle(ftp) && errors.isEmpty();
}

bool transferWithCurl(const Endpoint &server, bool upload, const QString &local, const QString &remote)
{
    QStringList arguments{QStringLiteral("-s"), QStringLiteral("--user"),
                          QStringLiteral("%1:%2").arg(LocalFtpServer::kUser, LocalFtpServer::kPassword)};
    arguments << server.curlOptions << QString::fromLatin1(upload ? "-T" : "-o") << local << server.curlUrl + remote;
    return QProcess::execute(QStringLiteral("curl"), arguments) == 0;
}

// The certificate or host key a server shows, trusted as the user would.
QByteArray trustServer(const QString &host)
{
    TFTP ftp;
    QSignalSpy untrusted(&ftp, &TFTP::OnUntrustedPeer);
    ftp.connectToHost(host, TFTP::kStandardPort);
    QTest::qWait(0);
    ftp.authenticate(LocalFtpServer::kUser, LocalFtpServer::kPassword);
    waitIdle(ftp);
    if (untrusted.isEmpty())
        return {};
    const auto identity = untrusted[0][0].value<PeerIdentity>();
    if (identity.kind == PeerIdentity::Kind::HostKey)
        ftp.trustHostKey(identity);
    return identity.kind == PeerIdentity::Kind::Certificate ? identity.fingerprint : QByteArray();
}

bool sameBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.readAll() == bytes;
}

} // namespace

int main(int argc, char **argv)
{
    bench::quietOffscreen();
    QApplication app(argc, argv);
    const int repeats = bench::repeatsFrom(QApplication::arguments());
    QTemporaryDir local;

    // The SFTP server's host key goes to a known_hosts of the benchmark's own.
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    QByteArray big(20 * 1024 * 1024, Qt::Uninitialized);
    for (qsizetype i = 0; i < big.size(); ++i)
        big[i] = char((i * 31 + i / 4093) & 0xff);
    const QString bigFile = local.filePath(QStringLiteral("big.bin"));
    QFile bigOut(bigFile);
    if (!bigOut.open(QIODevice::WriteOnly) || bigOut.write(big) != big.size())
        return 1;
    bigOut.close();

    LocalFtpServer server;
    LocalFtpServer tlsServer;
    LocalSftpServer sftpServer;
    for (const LocalFtpServer *ftp : {&server, &tlsServer})
        ftp->write(QStringLiteral("big.bin"), big);
    sftpServer.write(QStringLiteral("big.bin"), big);
    for (int i = 0; i < 10000; ++i)
        server.write(QStringLiteral("page%1.htm").arg(i, 5, 10, QLatin1Char('0')), "x");
    if (!server.start() || !tlsServer.start({QStringLiteral("--tls")}) || !sftpServer.start()) {
        std::fprintf(stderr, "a local server did not start\n");
        return 1;
    }
    const QString sftpPort = sftpServer.host().section(QLatin1Char(':'), -1);
    const Endpoint endpoints[] = {
        {"FTP", server.host(), QStringLiteral("ftp://%1/").arg(server.host()), {}, {}, server.path({})},
        {"FTPS",
         tlsServer.host(),
         QStringLiteral("ftp://%1/").arg(tlsServer.host()),
         {QStringLiteral("--ssl-reqd"), QStringLiteral("-k")},
         trustServer(tlsServer.host()),
         tlsServer.path({})},
        {"SFTP",
         sftpServer.host(),
         QStringLiteral("sftp://127.0.0.1:%1/~/").arg(sftpPort),
         {QStringLiteral("-k")},
         trustServer(sftpServer.host()),
         sftpServer.path({})},
    };

    // Each download goes to a file of its own: replacing a file frees the old
    // one's blocks, and on a disk with online discard the durable save waits
    // for that, a cost of the disk and not of the transfer.
    for (const Endpoint &endpoint : endpoints) {
        for (const bool upload : {false, true}) {
            std::vector<double> ours, curl;
            for (int i = 0; i < repeats; ++i) {
                const QString mine = upload ? bigFile : local.filePath(QStringLiteral("ours%1.bin").arg(i));
                const QString theirs = upload ? bigFile : local.filePath(QStringLiteral("curl%1.bin").arg(i));
                const QString remote = upload ? QStringLiteral("up.bin") : QStringLiteral("big.bin");
                const QString arrived = endpoint.folder + QLatin1Char('/') + remote;
                bool ok = true;
                ours.push_back(bench::timeMs([&] { ok &= transferWithComponent(endpoint, upload, mine, remote); }));
                ok &= sameBytes(upload ? arrived : mine, big);
                curl.push_back(bench::timeMs([&] { ok &= transferWithCurl(endpoint, upload, theirs, remote); }));
                if (!ok || !sameBytes(upload ? arrived : theirs, big)) {
                    std::fprintf(stderr, "a %s %s failed or differs\n", endpoint.name, upload ? "upload" : "download");
                    return 1;
                }
                if (!upload) {
                    QFile::remove(mine);
                    QFile::remove(theirs);
                }
            }
            std::printf("%-4s %-8s 20 MiB: ours %.0f ms, curl command %.0f ms, ratio %.2f (%d repeats, medians; "
                        "target <= 1.3)\n",
                        endpoint.name, upload ? "upload" : "download", bench::median(ours), bench::median(curl),
                        bench::median(ours) / bench::median(curl), repeats);
        }
    }

    // The FTP window listing a folder of 10,000 pages.
    std::vector<double> listing;
    int listed = 0;
    for (int i = 0; i < repeats; ++i) {
        g_connection = {server.host(), LocalFtpServer::kUser, LocalFtpServer::kPassword};
        Tftpform form(Tftpform::Mode::Down, QString());
        listing.push_back(bench::timeMs([&] {
            form.show();
            waitIdle(*form.FTP1, [&form] { return form.ListView2->topLevelItemCount() >= 10000; });
        }));
        listed = form.ListView2->topLevelItemCount();
    }
    std::printf("FTP window on a folder of 10,000 pages: filled with %d in %.0f ms (median; target < 1000 ms)\n",
                listed, bench::median(listing));
    return 0;
}
