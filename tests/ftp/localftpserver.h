#pragma once

// A real FTP server on 127.0.0.1 for one test: ftpserver.py run by the
// system's Python on a free port, serving a temporary folder. It ends with
// this object, and on its own should the test program die.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

class LocalFtpServer
{
public:
    static constexpr char kUser[] = "user";
    static constexpr char kPassword[] = "secret";

    LocalFtpServer() = default;
    LocalFtpServer(const LocalFtpServer &) = delete;
    LocalFtpServer &operator=(const LocalFtpServer &) = delete;
    ~LocalFtpServer() { stop(); }

    // Starts the server with ftpserver.py's options ("--tls", "--perm", "elr",
    // ...); false when it did not come up listening within half a minute.
    bool start(const QStringList &options = {})
    {
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(QStringLiteral("/usr/bin/python3"),
                        QStringList{QStringLiteral(QUENDEL_FTP_SERVER), QStringLiteral("--root"),
                                    m_root.path(), QStringLiteral("--user"), QLatin1String(kUser),
                                    QStringLiteral("--password"), QLatin1String(kPassword)}
                            + options);
        if (!m_process.waitForStarted(30000))
            return false;
        QByteArray output;
        while (!output.contains('\n') && m_process.waitForReadyRead(30000))
            output += m_process.readAllStandardOutput();
        const QList<QByteArray> words = output.trimmed().split(' ');
        m_port = words.size() == 2 && words[0] == "ready" ? words[1].toInt() : 0;
        return m_port > 0;
    }

    void stop()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(10000);
        }
    }

    int port() const { return m_port; }
    // The host text of an account on this server.
    QString host() const { return QStringLiteral("127.0.0.1:%1").arg(m_port); }
    QString path(const QString &name) const { return m_root.filePath(name); }

    QString write(const QString &name, const QByteArray &bytes) const
    {
        QFile file(path(name));
        QDir().mkpath(QFileInfo(file).absolutePath());
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write(bytes);
        return file.fileName();
    }

    void mkdir(const QString &name) const { QDir().mkpath(path(name)); }

    QByteArray read(const QString &name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    QTemporaryDir m_root;
    QProcess m_process;
    int m_port = 0;
};
