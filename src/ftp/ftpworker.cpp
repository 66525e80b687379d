#include "ftpworker.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr int kListBatch = 500;       // entries handed over at once
constexpr qint64 kProgressEveryMs = 50;
constexpr long kBufferBytes = 256 * 1024;

// Names are UTF-8 on most servers; a name that is not is taken as 8-bit.
QString decodeName(const QByteArray &name)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString decoded = utf8(name);
    return utf8.hasError() ? QString::fromLatin1(name) : decoded;
}

// libcurl says what a link points to only by name: a link with an
// extension is taken as a file, any other as a folder.
int linkKind(const QString &name)
{
    return name.lastIndexOf(QLatin1Char('.')) > 0 ? FTPDirItem::File : FTPDirItem::Directory;
}

} // namespace

void FtpCancel::abortAll()
{
    m_aborted = true;
    QMutexLocker lock(&m_mutex);
    for (curl_socket_t socket : std::as_const(m_sockets))
        ::shutdown(socket, SHUT_RDWR);
}

curl_socket_t FtpCancel::open(int family, int type, int protocol)
{
    QMutexLocker lock(&m_mutex);
    if (m_aborted)
        return CURL_SOCKET_BAD;
    const curl_socket_t socket = ::socket(family, type | SOCK_CLOEXEC, protocol);
    if (socket != CURL_SOCKET_BAD)
        m_sockets.insert(socket);
    return socket;
}

int FtpCancel::close(curl_socket_t socket)
{
    // Under the lock, so that abortAll() never meets a number already
    // handed to another file.
    QMutexLocker lock(&m_mutex);
    m_sockets.remove(socket);
    return ::close(socket);
}

FtpWorker::FtpWorker(std::shared_ptr<FtpCancel> cancel)
    : m_cancel(std::move(cancel))
{
}

FtpWorker::~FtpWorker()
{
    if (m_curl)
        curl_easy_cleanup(m_curl);
}

void FtpWorker::perform(const FtpRequest &request)
{
    if (m_cancel->aborted())
        return;
    if (!m_curl)
        m_curl = curl_easy_init();
    curl_easy_reset(m_curl); // the connection stays
    m_errorText[0] = 0;
    m_request = &request;
    m_reportedDone = -1;
    m_sinceProgress.start();
    setCommonOptions(request);

    FtpOutcome result;
    switch (request.operation) {
    case FtpOperation::Login:
    case FtpOperation::ChangeDir:
    case FtpOperation::ParentDir:
        // Logs in and changes into the folder, and transfers nothing.
        curl_easy_setopt(m_curl, CURLOPT_NOBODY, 1L);
        result = outcome(request, curl_easy_perform(m_curl));
        break;
    case FtpOperation::List: {
        // libcurl's own listing parser hands over each entry, and each is
        // skipped rather than fetched.
        curl_easy_setopt(m_curl, CURLOPT_WILDCARDMATCH, 1L);
        curl_easy_setopt(m_curl, CURLOPT_CHUNK_BGN_FUNCTION, chunkBegin);
        curl_easy_setopt(m_curl, CURLOPT_CHUNK_END_FUNCTION, chunkEnd);
        curl_easy_setopt(m_curl, CURLOPT_CHUNK_DATA, this);
        curl_easy_setopt(m_curl, CURLOPT_WRITEFUNCTION, discard);
        CURLcode code = curl_easy_perform(m_curl);
        if (code == CURLE_REMOTE_FILE_NOT_FOUND)
            code = CURLE_OK; // nothing matched: an empty folder
        flushListed();
        result = outcome(request, code);
        break;
    }
    case FtpOperation::Fetch:
        result = fetch(request);
        break;
    case FtpOperation::Send:
        result = send(request);
        break;
    }
    m_request = nullptr;
    emit finished(result);
}

void FtpWorker::setCommonOptions(const FtpRequest &request)
{
    CURL *curl = m_curl;
    curl_easy_setopt(curl, CURLOPT_URL, request.url.constData());
    curl_easy_setopt(curl, CURLOPT_USERNAME, request.user.constData());
    curl_easy_setopt(curl, CURLOPT_PASSWORD, request.password.constData());
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, m_errorText);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_QUICK_EXIT, 1L);
    curl_easy_setopt(curl, CURLOPT_PATH_AS_IS, 1L); // ".." goes to the server as it is
    curl_easy_setopt(curl, CURLOPT_TRANSFERTEXT, request.binary ? 0L : 1L);
    curl_easy_setopt(curl, CURLOPT_BUFFERSIZE, kBufferBytes);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, long(request.connectSeconds));
    curl_easy_setopt(curl, CURLOPT_SERVER_RESPONSE_TIMEOUT, long(request.stallSeconds));
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, long(request.stallSeconds));
    curl_easy_setopt(curl, CURLOPT_USE_SSL, long(CURLUSESSL_TRY));
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, 0L);
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, 0L);
    curl_easy_setopt(curl, CURLOPT_OPENSOCKETFUNCTION, openSocket);
    curl_easy_setopt(curl, CURLOPT_OPENSOCKETDATA, m_cancel.get());
    curl_easy_setopt(curl, CURLOPT_CLOSESOCKETFUNCTION, closeSocket);
    curl_easy_setopt(curl, CURLOPT_CLOSESOCKETDATA, m_cancel.get());
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, progress);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, this);
}

FtpOutcome FtpWorker::fetch(const FtpRequest &request)
{
    // The old file stays until the new one is whole.
    QSaveFile file(request.localPath);
    if (!file.open(QIODevice::WriteOnly)) {
        return {request.operation, {}, QStringLiteral("Cannot create file %1").arg(request.localPath), true, 0};
    }
    m_download = &file;
    m_localFailed = false;
    curl_easy_setopt(m_curl, CURLOPT_WRITEFUNCTION, writeDownload);
    curl_easy_setopt(m_curl, CURLOPT_WRITEDATA, this);
    const CURLcode code = curl_easy_perform(m_curl);
    m_download = nullptr;
    if (m_localFailed || (code == CURLE_OK && !file.commit()))
        return {request.operation, {}, QStringLiteral("Cannot create file %1").arg(request.localPath), true, 0};
    return outcome(request, code); // a failed file is dropped with `file`
}

FtpOutcome FtpWorker::send(const FtpRequest &request)
{
    QFile file(request.localPath);
    if (!file.open(QIODevice::ReadOnly))
        return {request.operation, {}, QStringLiteral("Cannot open file %1").arg(request.localPath), true, 0};
    m_upload = &file;
    m_localFailed = false;
    curl_easy_setopt(m_curl, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(m_curl, CURLOPT_INFILESIZE_LARGE, curl_off_t(file.size()));
    curl_easy_setopt(m_curl, CURLOPT_READFUNCTION, readUpload);
    curl_easy_setopt(m_curl, CURLOPT_READDATA, this);
    const CURLcode code = curl_easy_perform(m_curl);
    m_upload = nullptr;
    if (m_localFailed)
        return {request.operation, {}, QStringLiteral("Cannot open file %1").arg(request.localPath), true, 0};
    return outcome(request, code);
}

FtpOutcome FtpWorker::outcome(const FtpRequest &request, CURLcode code) const
{
    FtpOutcome result{request.operation, {int(code), 0}, {}, false, 0};
    curl_off_t bytes = 0;
    curl_easy_getinfo(m_curl, request.operation == FtpOperation::Send ? CURLINFO_SIZE_UPLOAD_T
                                                                      : CURLINFO_SIZE_DOWNLOAD_T,
                      &bytes);
    result.bytes = bytes;
    if (code == CURLE_OK)
        return result;
    long osErrno = 0;
    curl_easy_getinfo(m_curl, CURLINFO_OS_ERRNO, &osErrno);
    result.failure.osErrno = int(osErrno);
    result.text = QString::fromUtf8(m_errorText[0] ? m_errorText : curl_easy_strerror(code));
    return result;
}

void FtpWorker::addListed(const curl_fileinfo &info)
{
    FTPDirItem item;
    item.serverName = QByteArray(info.filename);
    item.fileName = decodeName(item.serverName);
    if (info.flags & CURLFINFOFLAG_KNOWN_SIZE)
        item.size = info.size;
    switch (info.filetype) {
    case CURLFILETYPE_DIRECTORY:
        item.kind = FTPDirItem::Directory;
        break;
    case CURLFILETYPE_SYMLINK:
        item.kind = linkKind(item.fileName);
        break;
    default:
        item.kind = FTPDirItem::File;
        break;
    }
    m_listed << item;
    if (m_listed.size() >= kListBatch)
        flushListed();
}

void FtpWorker::flushListed()
{
    if (m_listed.isEmpty())
        return;
    emit listed(m_listed);
    m_listed.clear();
}

bool FtpWorker::reportProgress(qint64 done, qint64 total)
{
    if (m_cancel->aborted())
        return false;
    // The first bytes at once, then every so often.
    const bool first = m_reportedDone <= 0 && done > 0;
    if (done != m_reportedDone && (first || m_sinceProgress.elapsed() >= kProgressEveryMs || done == total)) {
        m_reportedDone = done;
        m_sinceProgress.restart();
        emit progressed(done, total);
    }
    return true;
}

size_t FtpWorker::discard(char *, size_t size, size_t count, void *)
{
    return size * count;
}

size_t FtpWorker::writeDownload(char *data, size_t size, size_t count, void *self)
{
    auto *worker = static_cast<FtpWorker *>(self);
    const qint64 bytes = qint64(size * count);
    if (worker->m_download->write(data, bytes) != bytes) {
        worker->m_localFailed = true;
        return 0;
    }
    return size_t(bytes);
}

size_t FtpWorker::readUpload(char *data, size_t size, size_t count, void *self)
{
    auto *worker = static_cast<FtpWorker *>(self);
    const qint64 bytes = worker->m_upload->read(data, qint64(size * count));
    if (bytes < 0) {
        worker->m_localFailed = true;
        return CURL_READFUNC_ABORT;
    }
    return size_t(bytes);
}

long FtpWorker::chunkBegin(const void *info, void *self, int)
{
    auto *worker = static_cast<FtpWorker *>(self);
    const auto *entry = static_cast<const curl_fileinfo *>(info);
    if (entry->filename)
        worker->addListed(*entry);
    return CURL_CHUNK_BGN_FUNC_SKIP;
}

long FtpWorker::chunkEnd(void *)
{
    return CURL_CHUNK_END_FUNC_OK;
}

int FtpWorker::progress(void *self, curl_off_t downTotal, curl_off_t downNow, curl_off_t upTotal,
                        curl_off_t upNow)
{
    auto *worker = static_cast<FtpWorker *>(self);
    const FtpRequest *request = worker->m_request;
    bool goOn = !worker->m_cancel->aborted();
    if (goOn && request && request->operation == FtpOperation::Fetch)
        goOn = worker->reportProgress(downNow, downTotal > 0 ? downTotal : qMax<qint64>(0, request->expectedSize));
    else if (goOn && request && request->operation == FtpOperation::Send)
        goOn = worker->reportProgress(upNow, upTotal);
    return goOn ? 0 : 1;
}

curl_socket_t FtpWorker::openSocket(void *cancel, curlsocktype, curl_sockaddr *address)
{
    return static_cast<FtpCancel *>(cancel)->open(address->family, address->socktype, address->protocol);
}

int FtpWorker::closeSocket(void *cancel, curl_socket_t socket)
{
    return static_cast<FtpCancel *>(cancel)->close(socket);
}
