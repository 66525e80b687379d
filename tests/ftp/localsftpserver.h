#pragma once

// A real SFTP server on 127.0.0.1 for one test: sftpserver.py (asyncssh)
// on a free port, serving a temporary folder as the user's home, with a
// host key made for it. It ends with this object.

#include "serverprocess.h"
#include "support/files.h"

#include <QTemporaryDir>

class LocalSftpServer
{
public:
    static constexpr char kUser[] = "user";
    static constexpr char kPassword[] = "secret";

    LocalSftpServer() { QDir().mkpath(m_folder.filePath("home")); }

    // Options of sftpserver.py ("--drop-upload-after", "1000", ...).
    bool start(const QStringList &options = {})
    {
        if (!QFile::exists(m_folder.filePath("hostkey"))
            && !ServerProcess::runQuietly("ssh-keygen",
                                          {"-q", "-t", "ed25519", "-N", "", "-f", m_folder.filePath("hostkey")}))
            return false;
        return m_process.startAnnouncing("/usr/bin/python3",
                                         QStringList{QUENDEL_SFTP_SERVER, "--root", m_folder.filePath("home"),
                                                     "--host-key", m_folder.filePath("hostkey"), "--log",
                                                     m_folder.filePath("log"), "--user", kUser, "--password", kPassword}
                                             + options);
    }
    void stop() { m_process.stop(); }

    QString host() const { return QStringLiteral("sftp://127.0.0.1:%1").arg(m_process.port()); }
    // The host as known_hosts names it.
    QByteArray knownHostName() const { return "[127.0.0.1]:" + QByteArray::number(m_process.port()); }
    // "ssh-ed25519 AAAA...", the host key as known_hosts holds it.
    QByteArray publicKey() const
    {
        QFile file(m_folder.filePath("hostkey.pub"));
        return file.open(QIODevice::ReadOnly) ? file.readAll().split(' ').mid(0, 2).join(' ') : QByteArray();
    }
    // How many passwords reached the server.
    int passwordsReceived() const
    {
        QFile log(m_folder.filePath("log"));
        return log.open(QIODevice::ReadOnly) ? int(log.readAll().count('\n')) : 0;
    }

    QString path(const QString &name) const { return m_folder.filePath("home/" + name); }
    QString write(const QString &name, const QByteArray &bytes) const { return putFile(path(name), bytes); }
    QByteArray read(const QString &name) const { return readFile(path(name)); }

private:
    QTemporaryDir m_folder;
    ServerProcess m_process;
};
