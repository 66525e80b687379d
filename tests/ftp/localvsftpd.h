#pragma once

// A real vsftpd on 127.0.0.1 for one test, run from a configuration of its
// own in a temporary folder on a free port: anonymous log-in (any
// password) into that folder, plain or with explicit TLS under a throw-away
// self-signed certificate made by openssl. Every command it gets goes to
// its log. It ends with this object.

#include "serverprocess.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <fcntl.h>
#include <unistd.h>

class LocalVsftpd
{
public:
    static constexpr char kUser[] = "anonymous";
    static constexpr char kPassword[] = "secret";

    LocalVsftpd() { QDir(m_folder.path()).mkpath("files"); }
    ~LocalVsftpd()
    {
        m_process.stop();
        // Names that are not UTF-8 are beyond QDir's clean-up.
        for (const QByteArray &name : std::as_const(m_written))
            ::unlink(filePath(name).constData());
    }

    // With a certificate name, TLS is offered under a certificate for it.
    bool start(const QString &certificateName = {})
    {
        QDir(m_folder.path()).mkpath("empty");
        QFile::setPermissions(path({}), QFileDevice::Permissions(0x7777)); // vsftpd writes as its own user
        QStringList config = QString("listen=YES listen_address=127.0.0.1 background=NO run_as_launching_user=YES "
                                     "anonymous_enable=YES local_enable=NO no_anon_password=NO write_enable=YES "
                                     "anon_upload_enable=YES anon_mkdir_write_enable=YES anon_other_write_enable=YES "
                                     "anon_umask=022 seccomp_sandbox=NO log_ftp_protocol=YES xferlog_enable=YES "
                                     "xferlog_std_format=NO syslog_enable=NO")
                                 .split(' ');
        config << "anon_root=" + path({}) << "secure_chroot_dir=" + m_folder.filePath("empty")
               << "vsftpd_log_file=" + m_folder.filePath("log");
        if (!certificateName.isEmpty()) {
            if (!ServerProcess::runQuietly("openssl",
                                           {"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "2", "-keyout",
                                            m_folder.filePath("key.pem"), "-out", m_folder.filePath("cert.pem"),
                                            "-subj", "/CN=" + certificateName}))
                return false;
            config << QString("ssl_enable=YES allow_anon_ssl=YES force_anon_logins_ssl=NO force_anon_data_ssl=NO "
                              "require_ssl_reuse=NO")
                          .split(' ')
                   << "rsa_cert_file=" + m_folder.filePath("cert.pem")
                   << "rsa_private_key_file=" + m_folder.filePath("key.pem");
        }
        // Tests running beside this one may take the free port before vsftpd
        // does; vsftpd then ends at once, and the next free port is tried.
        for (int attempt = 0; attempt < 5; ++attempt) {
            const int port = ServerProcess::freePort();
            QFile file(m_folder.filePath("vsftpd.conf"));
            if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
                return false;
            file.write((config + QStringList{"listen_port=" + QString::number(port)}).join('\n').toUtf8() + '\n');
            file.close();
            if (m_process.startListening("/usr/sbin/vsftpd", {file.fileName()}, port))
                return true;
            m_process.stop();
        }
        return false;
    }
    void stop() { m_process.stop(); }

    QString host() const { return QStringLiteral("127.0.0.1:%1").arg(m_process.port()); }
    // A file in the log-in folder.
    QString path(const QString &name) const { return m_folder.filePath("files/" + name); }

    // A file or a symbolic link in the log-in folder, named by any bytes.
    void write(const QByteArray &name, const QByteArray &bytes)
    {
        m_written << name;
        const int file = ::open(filePath(name).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (file < 0 || ::write(file, bytes.constData(), size_t(bytes.size())) != bytes.size())
            qWarning("cannot write %s", name.constData());
        if (file >= 0)
            ::close(file);
    }
    void link(const QByteArray &name, const QByteArray &target) const
    {
        if (::symlink(target.constData(), filePath(name).constData()) != 0)
            qWarning("cannot link %s", name.constData());
    }

    // Whether the server was sent a command ("USER", "PASS").
    bool got(const QByteArray &command) const
    {
        QFile log(m_folder.filePath("log"));
        return log.open(QIODevice::ReadOnly)
               && log.readAll().contains("FTP command: Client \"127.0.0.1\", \"" + command);
    }

    // SHA-256 of the certificate, as the account keeps it.
    QByteArray certificateFingerprint() const
    {
        QFile pem(m_folder.filePath("cert.pem"));
        if (!pem.open(QIODevice::ReadOnly))
            return {};
        QByteArray base64;
        for (const QByteArray &line : pem.readAll().split('\n')) {
            if (!line.startsWith("-----"))
                base64 += line;
        }
        return QCryptographicHash::hash(QByteArray::fromBase64(base64), QCryptographicHash::Sha256);
    }

private:
    QByteArray filePath(const QByteArray &name) const
    {
        return QFile::encodeName(m_folder.filePath("files")) + '/' + name;
    }

    QTemporaryDir m_folder;
    ServerProcess m_process;
    QByteArrayList m_written;
};
