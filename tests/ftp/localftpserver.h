#pragma once

// A real FTP server on 127.0.0.1 for one test: ftpserver.py run by the
// system's Python on a free port, serving a temporary folder. It ends with
// this object, and on its own should the test program die.

#include "serverprocess.h"
#include "support/files.h"

#include <QTemporaryDir>

class LocalFtpServer
{
public:
    static constexpr char kUser[] = "user";
    static constexpr char kPassword[] = "secret";

    // Starts the server with ftpserver.py's options ("--tls", "--perm", "elr",
    // ...); false when it did not come up listening within half a minute.
    bool start(const QStringList &options = {})
    {
        return m_process.startAnnouncing(QStringLiteral("/usr/bin/python3"),
                                         QStringList{QStringLiteral(QUENDEL_FTP_SERVER), QStringLiteral("--root"),
                                                     m_root.path(), QStringLiteral("--user"), QLatin1String(kUser),
                                                     QStringLiteral("--password"), QLatin1String(kPassword)}
                                             + options);
    }

    void stop() { m_process.stop(); }

    // The host text of an account on this server.
    QString host() const { return QStringLiteral("127.0.0.1:%1").arg(m_process.port()); }
    QString path(const QString &name) const { return m_root.filePath(name); }
    QString write(const QString &name, const QByteArray &bytes) const { return putFile(path(name), bytes); }
    void mkdir(const QString &name) const { QDir().mkpath(path(name)); }
    QByteArray read(const QString &name) const { return readFile(path(name)); }

private:
    QTemporaryDir m_root;
    ServerProcess m_process;
};
