#pragma once

#include "ftpclient.h"
#include "ftperrors.h"

#include <QElapsedTimer>
#include <QMutex>
#include <QObject>
#include <QSet>
#include <atomic>
#include <memory>

#include <curl/curl.h>

class QFile;
class QSaveFile;

// Ends a component's work at once: stops every transfer at its next step
// and shuts down its sockets, so that nothing waits on a silent server.
class FtpCancel
{
public:
    bool aborted() const { return m_aborted; }
    void abortAll();

    // libcurl's sockets, made and closed here so that abortAll() knows them.
    curl_socket_t open(int family, int type, int protocol);
    int close(curl_socket_t socket);

private:
    std::atomic_bool m_aborted = false;
    QMutex m_mutex;
    QSet<curl_socket_t> m_sockets;
};

// One command for the worker.
struct FtpRequest {
    FtpOperation operation;
    QByteArray url;
    QByteArray user;
    QByteArray password;
    QString localPath;       // the file sent or received
    qint64 expectedSize = -1; // a fetched file's size from the listing
    bool binary = true;
    int connectSeconds = 20;
    int stallSeconds = 30;
};

struct FtpOutcome {
    FtpOperation operation;
    FtpFailure failure; // curlCode 0 on success
    QString text;       // libcurl's explanation, or the local file's message
    bool localFile = false; // the local file could not be read or written
    qint64 bytes = 0;       // bytes sent or received
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
    void setCommonOptions(const FtpRequest &request);
    FtpOutcome fetch(const FtpRequest &request);
    FtpOutcome send(const FtpRequest &request);
    FtpOutcome outcome(const FtpRequest &request, CURLcode code) const;
    void addListed(const curl_fileinfo &info);
    void flushListed();
    bool reportProgress(qint64 done, qint64 total);

    static size_t discard(char *, size_t size, size_t count, void *);
    static size_t writeDownload(char *data, size_t size, size_t count, void *self);
    static size_t readUpload(char *data, size_t size, size_t count, void *self);
    static long chunkBegin(const void *info, void *self, int remains);
    static long chunkEnd(void *self);
    static int progress(void *self, curl_off_t downTotal, curl_off_t downNow, curl_off_t upTotal,
                        curl_off_t upNow);
    static curl_socket_t openSocket(void *cancel, curlsocktype purpose, curl_sockaddr *address);
    static int closeSocket(void *cancel, curl_socket_t socket);

    std::shared_ptr<FtpCancel> m_cancel;
    CURL *m_curl = nullptr;
    char m_errorText[CURL_ERROR_SIZE] = {};
    // The command under way.
    const FtpRequest *m_request = nullptr;
    QSaveFile *m_download = nullptr;
    QFile *m_upload = nullptr;
    bool m_localFailed = false;
    QList<FTPDirItem> m_listed;
    QElapsedTimer m_sinceProgress;
    qint64 m_reportedDone = -1;
};
