#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Where an FTP account's host text points.
struct FtpAddress {
    QString host;
    int port = 21;
    bool sftp = false; // SSH file transfer instead of FTP
};

constexpr int kSftpPort = 22;

// "ftp.example.com" connects to the given port, "ftp.example.com:2121" and
// "[::1]:2121" to the one named; blanks around the text are dropped.
// "sftp://host" and "sftp://host:port" connect by SFTP, to port 22 unless
// one is named.
FtpAddress parseFtpHost(const QString &text, int port);

// The URL of a file in a folder on the server, names as the server spells
// them (".." goes up). Over FTP the folders count from the log-in folder,
// over SFTP from the top. With an empty name it is the URL of the folder
// itself, which lists it. Empty when the host or port cannot be part of a
// URL. It never carries the user or the password.
QByteArray ftpUrl(const FtpAddress &address, const QList<QByteArray> &folders, const QByteArray &name = {});

// The same place as a path, "/a/b/name", its bytes as they are.
QByteArray remotePath(const QList<QByteArray> &folders, const QByteArray &name);
