#pragma once

#include "ftpdiritem.h"
#include "ftperrors.h"
#include "ftptrust.h"
#include "peercheck.h"

#include <QElapsedTimer>
#include <QMutex>
#include <QObject>
#include <QSet>
#include <atomic>
#include <memory>

#include <curl/curl.h>

class LocalReplacement;
class LocalSource;

// Ends a component's work at once: stops every transfer at its next step
// and shuts down its sockets, so that nothing waits on a silent server.
class FtpCancel
{
public:
    bool aborted() const { return m_aborted; }
    void abortAll();

    // libcurl's sockets, made and closed here so that abortAll() knows them.
    // After abortAll() only the clean-up of an upload may open one.
    curl_socket_t open(int family, int type, int protocol, bool cleanup);
    int close(curl_socket_t socket);

private:
    std::atomic_bool m_aborted = false;
    QMutex m_mutex;
    QSet<curl_socket_t> m_sockets;
};

// One command for the worker.
struct FtpRequest {
    FtpOperation operation = FtpOperation::Login;
    bool sftp = false;
    // The file, or the folder (ending in "/"); for a sent file the
    // temporary one it is written to first.
    QByteArray url;
    // A file: its folder's URL and, over SFTP, path ("/home/me/site/"), its
    // name, and for a sent one the temporary name and the name the old file
    // steps aside to.
    QByteArray folderUrl;
    QByteArray folderPath;
    QByteArray name;
    QByteArray temporaryName;
    QByteArray asideName;
    QByteArray user;
    QByteArray password;
    QString localPath;        // the file sent or received
    qint64 expectedSize = -1; // a fetched file's size from the listing
    bool binary = true;
    int connectSeconds = 20;
    int stallSeconds = 30;
    bool requireTls = false; // FTP: no log-in without TLS
    PeerTrust trust;
    QByteArray privateKey; // SFTP without a password: the user's key files
    QByteArray publicKey;
};

struct FtpOutcome {
    FtpOperation operation;
    FtpFailure failure;             // curlCode 0 on success
    QString text;                   // libcurl's explanation, or the local file's message
    bool localFile = false;         // the local file could not be read or written
    qint64 bytes = 0;               // bytes sent or received
    PeerIdentity refused;           // the server was not trusted
    bool encryptionRefused = false; // TLS was required and not offered
    bool encrypted = false;         // a log-in that went over TLS or SSH
    QByteArray entryPath;           // the log-in folder, as a log-in found it
};

// Runs the component's commands one after another with one libcurl handle,
// on a thread of its own; the handle keeps the connection between commands.
class FtpWorker : public QObject
{
    Q_OBJECT

public:
    explicit FtpWorker(std::shared_ptr<FtpCancel> cancel);
    ~FtpWorker() override;

    void perform(const FtpRequest &request);

signals:
    void listed(const QList<FTPDirItem> &items);
    void progressed(qint64 done, qint64 total);
    void finished(const FtpOutcome &outcome);

private:
    void prepare(const FtpRequest &request, const QByteArray &url);
    CURLcode transfer();
    CURLcode performNow();
    bool lostIdleConnection(CURLcode code) const;
    FtpOutcome list(const FtpRequest &request);
    FtpOutcome fetch(const FtpRequest &request);
    FtpOutcome send(const FtpRequest &request);
    CURLcode checkStored(const FtpRequest &request, qint64 size);
    CURLcode moveIntoPlace(const FtpRequest &request);
    CURLcode runCommands(const FtpRequest &request, const QList<QByteArray> &commands);
    QByteArray renameCommand(const FtpRequest &request, const QByteArray &from, const QByteArray &to) const;
    void removeTemporary(const FtpRequest &request);
    FtpOutcome outcome(const FtpRequest &request, CURLcode code) const;
    FtpOutcome localFailure(const FtpRequest &request, const char *text) const;
    void takeListing(const char *data, size_t bytes);
    void addListed(const FTPDirItem &item);
    void flushListed();
    bool reportProgress(qint64 done, qint64 total);

    static size_t discard(char *, size_t size, size_t count, void *);
    static size_t writeListing(char *data, size_t size, size_t count, void *self);
    static size_t writeDownload(char *data, size_t size, size_t count, void *self);
    static size_t readUpload(char *data, size_t size, size_t count, void *self);
    static int progress(void *self, curl_off_t downTotal, curl_off_t downNow, curl_off_t upTotal, curl_off_t upNow);
    static curl_socket_t openSocket(void *self, curlsocktype purpose, curl_sockaddr *address);
    static int closeSocket(void *cancel, curl_socket_t socket);

    std::shared_ptr<FtpCancel> m_cancel;
    CURL *m_curl = nullptr;
    CURLM *m_multi = nullptr;
    char m_errorText[CURL_ERROR_SIZE] = {};
    PeerCheck m_peerCheck;
    // The command under way.
    const FtpRequest *m_request = nullptr;
    bool m_cleaningUp = false;
    LocalReplacement *m_download = nullptr;
    LocalSource *m_upload = nullptr;
    bool m_localFailed = false;
    QByteArray m_listingLine;          // a line not yet ended
    QList<FTPDirItem> m_listedEntries; // the whole folder, for its links
    QList<qsizetype> m_links;          // which of them are links
    QList<FTPDirItem> m_listed;        // not yet handed over
    QElapsedTimer m_sinceProgress;
    qint64 m_reportedDone = -1;
};
