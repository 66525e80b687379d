// FTP against a local server (pyftpdlib on 127.0.0.1), measured side by
// side in one run:
//   - a 20 MB download through our component (connect, log-in, fetch)
//     against the curl command fetching the same file, in turns;
//   - the FTP window opening on a folder of 10,000 pages: from showing it
//     until the list is filled.
//
//   bench_ftp [repeats]

#include "benchsupport.h"
#include "ftpaccounts.h"
#include "ftpclient.h"
#include "ftpform.h"
#include "localftpserver.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QEventLoop>
#include <QTimer>
#include <QTreeWidget>

namespace {

// Waits in the event loop until the component reports itself idle and
// 'done' holds; no polling, so no delay of the harness's own is measured.
bool waitIdle(TFTP &ftp, const std::function<bool()> &done = [] { return true; })
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

// Connect, log in and fetch, the way the FTP window does.
bool fetchWithComponent(const LocalFtpServer &server, const QString &target)
{
    TFTP ftp;
    QSignalSpy wanted(&ftp, &TFTP::OnProtocolStateChanged);
    QSignalSpy errors(&ftp, &TFTP::OnError);
    ftp.connectToHost(server.host(), TFTP::kStandardPort);
    if (wanted.isEmpty() && !wanted.wait(10000))
        return false;
    ftp.authenticate(LocalFtpServer::kUser, LocalFtpServer::kPassword);
    if (!waitIdle(ftp))
        return false;
    ftp.setType(TFTP::kBinaryType);
    waitIdle(ftp);
    ftp.fetchFile(QStringLiteral("big.bin"), target);
    return waitIdle(ftp) && errors.isEmpty();
}

bool fetchWithCurl(const LocalFtpServer &server, const QString &target)
{
    return QProcess::execute(QStringLiteral("curl"),
                             {QStringLiteral("-s"), QStringLiteral("-o"), target,
                              QStringLiteral("ftp://%1:%2@%3/big.bin")
                                  .arg(LocalFtpServer::kUser, LocalFtpServer::kPassword, server.host())})
        == 0;
}

} // namespace

int main(int argc, char **argv)
{
    bench::quietOffscreen();
    QApplication app(argc, argv);
    const int repeats = bench::repeatsFrom(QApplication::arguments());
    QTemporaryDir local;

    LocalFtpServer server;
    QByteArray big(20 * 1024 * 1024, Qt::Uninitialized);
    for (qsizetype i = 0; i < big.size(); ++i)
        big[i] = char((i * 31 + i / 4093) & 0xff);
    server.write(QStringLiteral("big.bin"), big);
    for (int i = 0; i < 10000; ++i)
        server.write(QStringLiteral("page%1.htm").arg(i, 5, 10, QLatin1Char('0')), "x");
    if (!server.start()) {
        std::fprintf(stderr, "the local FTP server did not start\n");
        return 1;
    }

    // Each download goes to a file of its own: replacing a file frees the old
    // one's blocks, and on a disk with online discard the durable save waits
    // for that, a cost of the disk and not of the transfer (shown apart).
    std::vector<double> ours, curl;
    const auto same = [&big](const QString &path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) && file.readAll() == big;
    };
    for (int i = 0; i < repeats; ++i) {
        const QString mine = local.filePath(QStringLiteral("ours%1.bin").arg(i));
        const QString theirs = local.filePath(QStringLiteral("curl%1.bin").arg(i));
        bool ok = true;
        ours.push_back(bench::timeMs([&] { ok &= fetchWithComponent(server, mine); }));
        curl.push_back(bench::timeMs([&] { ok &= fetchWithCurl(server, theirs); }));
        if (!ok || !same(mine) || !same(theirs)) {
            std::fprintf(stderr, "a download failed or differs\n");
            return 1;
        }
    }
    std::printf("download 20 MiB: ours %.0f ms, curl command %.0f ms, ratio %.2f (%d repeats, medians; "
                "target <= 1.5)\n",
                bench::median(ours), bench::median(curl), bench::median(ours) / bench::median(curl), repeats);
    const QString existing = local.filePath(QStringLiteral("ours0.bin"));
    std::printf("  the same download replacing an existing copy: %.0f ms\n",
                bench::timeMs([&] { fetchWithComponent(server, existing); }));

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
