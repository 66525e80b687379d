#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Where an FTP account's host text points.
struct FtpAddress {
    QString host;
    int port = 21;
};

// "ftp.example.com" connects to the given port, "ftp.example.com:2121" and
// "[::1]:2121" to the one named; blanks around the text are dropped.
FtpAddress parseFtpHost(const QString &text, int port);

// The URL of a file in a folder on the server, the folders given from the
// log-in folder on (".." goes up), names as the server spells them. With an
// empty name it is the URL of the folder itself. Empty when the host or
// port cannot be part of a URL. It never carries the user or the password.
QByteArray ftpUrl(const FtpAddress &address, const QList<QByteArray> &folders,
                  const QByteArray &name = {});
// The URL that lists every entry of a folder.
QByteArray ftpListUrl(const FtpAddress &address, const QList<QByteArray> &folders);
