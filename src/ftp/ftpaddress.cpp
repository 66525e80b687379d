#include "ftpaddress.h"

#include <curl/curl.h>

#include <memory>

namespace {

QByteArray withHost(const FtpAddress &address, const QByteArray &path)
{
    const std::unique_ptr<CURLU, decltype(&curl_url_cleanup)> url(curl_url(), curl_url_cleanup);
    if (!url || address.port < 1 || address.port > 65535)
        return {};
    const QByteArray host = address.host.toUtf8();
    const QByteArray port = QByteArray::number(address.port);
    if (host.isEmpty() || curl_url_set(url.get(), CURLUPART_SCHEME, address.sftp ? "sftp" : "ftp", 0) != CURLUE_OK
        || curl_url_set(url.get(), CURLUPART_HOST, host.constData(), 0) != CURLUE_OK
        || curl_url_set(url.get(), CURLUPART_PORT, port.constData(), 0) != CURLUE_OK)
        return {};
    char *text = nullptr;
    if (curl_url_get(url.get(), CURLUPART_URL, &text, 0) != CURLUE_OK)
        return {};
    QByteArray result(text);
    curl_free(text);
    // The URL ends in "/"; the path follows without a second one.
    result.chop(1);
    return result + path;
}

QByteArray folderPath(const QList<QByteArray> &folders)
{
    QByteArray path = "/";
    for (const QByteArray &folder : folders)
        path += folder.toPercentEncoding() + '/';
    return path;
}

} // namespace

FtpAddress parseFtpHost(const QString &text, int port)
{
    QString trimmed = text.trimmed();
    bool sftp = false;
    if (trimmed.startsWith(QLatin1String("sftp://"), Qt::CaseInsensitive)) {
        sftp = true;
        port = kSftpPort;
        trimmed.remove(0, 7);
    }
    QString host = trimmed;
    QString portText;
    if (trimmed.startsWith(QLatin1Char('['))) {
        const qsizetype close = trimmed.indexOf(QLatin1Char(']'));
        if (close > 0 && trimmed.mid(close + 1).startsWith(QLatin1Char(':'))) {
            host = trimmed.left(close + 1);
            portText = trimmed.mid(close + 2);
        }
    } else if (trimmed.count(QLatin1Char(':')) == 1) {
        const qsizetype colon = trimmed.indexOf(QLatin1Char(':'));
        host = trimmed.left(colon);
        portText = trimmed.mid(colon + 1);
    } else if (trimmed.count(QLatin1Char(':')) > 1) {
        host = QLatin1Char('[') + trimmed + QLatin1Char(']'); // a bare IPv6 address
    }
    bool numeric = false;
    const int named = portText.toInt(&numeric);
    return {host, numeric ? named : (portText.isEmpty() ? port : 0), sftp};
}

QByteArray ftpUrl(const FtpAddress &address, const QList<QByteArray> &folders, const QByteArray &name)
{
    return withHost(address, folderPath(folders) + name.toPercentEncoding());
}

QByteArray remotePath(const QList<QByteArray> &folders, const QByteArray &name)
{
    QByteArray path = "/";
    for (const QByteArray &folder : folders)
        path += folder + '/';
    return path + name;
}
