#pragma once

#include "ftpaddress.h"
#include "ftpdiritem.h"
#include "ftptrust.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <memory>

class FtpCancel;
class FtpWorker;
class QThread;
struct FtpOutcome;
struct FtpRequest;
enum class FtpOperation;

// Our FTP client component, over libcurl. Every command returns at once and
// is confirmed by a notification; the work runs on a thread of its own, and
// every notification arrives on the thread that made the component, so a
// slow or silent server never stops the windows.
//
// libcurl connects and logs in as one step: connectToHost() takes the
// address and asks for the log-in at once; authenticate() opens the
// connection. A host written "sftp://host" is reached by SFTP; any other by
// FTP, encrypted when the server offers TLS (explicit FTPS) and plain
// otherwise, with passive data connections. Nothing is sent before the
// server is trusted: a certificate that the system's authorities vouch for
// under the host's name or that the account trusts (TrustedCertificate), a
// host key that ~/.ssh/known_hosts holds; any other is refused with
// OnUntrustedPeer. With EncryptionRequired a server without TLS gets
// nothing either. Destroying the component ends the connection and any
// transfer at once, without a log-off.
class TFTP : public QObject
{
    Q_OBJECT

public:
    enum ConnectionState { Closed = 0, Connected = 4 };
    enum ProtocolState { LoginWanted = 1, Ready = 2 };
    enum DocState { DocData = 3, DocEnd = 5 };
    static constexpr int kStandardPort = 21;
    static constexpr int kBinaryType = 3; // the transfer type that keeps every byte
    // The error number of a local file that cannot be read or written; the
    // notification's text names the file.
    static constexpr int kLocalFileError = 1;
    // The error number of a server that offers no encryption to a log-in
    // that requires it; the notification's text says so.
    static constexpr int kEncryptionRefused = 2;

    explicit TFTP(QObject *parent = nullptr);
    ~TFTP() override;

    QString RemoteHost;
    QString UserId;
    QString Password;
    int RemotePort = kStandardPort;
    QByteArray TrustedCertificate; // SHA-256 of a certificate the account trusts
    bool EncryptionRequired = false;

    int state() const { return m_state; }
    bool busy() const { return m_busy; }
    // Whether the log-in went over TLS or SSH.
    bool encrypted() const { return m_encrypted; }
    // How long opening a connection may take, and how long a transfer or a
    // server's answer may stall, before the command fails.
    void setTimeouts(int connectSeconds, int stallSeconds);

    void connectToHost(const QString &host, int port); // "host:port" names its own port
    void authenticate(const QString &user, const QString &password);
    void list(); // the current folder
    void changeDir(const QString &folder);
    void parentDir();
    void setType(int code);
    void sendFile(const QString &localPath, const QString &remoteName);
    // Replaces the local file only once the whole file has arrived.
    void fetchFile(const QString &remoteName, const QString &localPath);
    // Trusts the SSH host key a server was refused for: in known_hosts from
    // now on, and for this component's connections even when that file
    // cannot be written (then false).
    bool trustHostKey(const PeerIdentity &identity);

signals:
    void OnProtocolStateChanged(int ProtocolState);
    void OnListItem(const FTPDirItem &Item);
    void OnChangeDir();
    void OnParentDir();
    void OnType_();
    // State DocData while bytes move (total 0 when the size is unknown),
    // DocEnd when the whole file has been sent or received.
    void OnDocInput(int state, qint64 done, qint64 total);
    void OnDocOutput(int state, qint64 done, qint64 total);
    void OnBusy(bool isBusy);
    // Never carries the password.
    void OnError(int Number, const QString &text);
    // The log-in stopped before anything was sent: the server's certificate
    // or host key is not trusted.
    void OnUntrustedPeer(const PeerIdentity &identity);

private:
    FtpRequest request(FtpOperation operation, const QByteArray &url) const;
    void run(const FtpRequest &request);
    void workerListed(const QList<FTPDirItem> &items);
    void workerProgressed(qint64 done, qint64 total);
    void workerFinished(const FtpOutcome &outcome);
    QByteArray serverName(const QString &name) const;
    QList<QByteArray> path(const QList<QByteArray> &folders) const;

    std::shared_ptr<FtpCancel> m_cancel;
    FtpWorker *m_worker = nullptr; // lives on m_thread, which may outlive us
    QThread *m_thread = nullptr;
    FtpAddress m_address;
    QString m_user;
    QString m_password;
    int m_connectSeconds = 20;
    int m_stallSeconds = 30;
    int m_state = Closed;
    bool m_busy = false;
    bool m_binary = true;
    bool m_encrypted = false;
    QByteArray m_acceptedHostKey;
    QList<QByteArray> m_home; // SFTP: the log-in folder's path from the top
    FtpOperation m_running{};
    QList<QByteArray> m_folders;         // from the log-in folder on
    QList<QByteArray> m_target;          // where a change of folder goes
    QHash<QString, FTPDirItem> m_listed; // the current folder's entries by name
};
