#include "ftpworker.h"

#include "bytetext.h"
#include "listparser.h"
#include "localfiles.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr int kListBatch = 500; // entries handed over at once
constexpr qint64 kProgressEveryMs = 50;
constexpr long kBufferBytes = 256 * 1024;
constexpr long kUploadBufferBytes = 2 * 1024 * 1024;
constexpr int kCleanupSeconds = 5; // removing a temporary file after a failure
// How long the transfer loop sleeps at most when libcurl names no socket
// to wait for, as while it opens a data connection.
constexpr int kLongestWaitMs = 5;

// A failure of a connection that had been kept open: the server closed it
// while it was idle (a "421" or a reset).
bool connectionFailure(CURLcode code)
{
    switch (code) {
    case CURLE_SEND_ERROR:
    case CURLE_RECV_ERROR:
    case CURLE_GOT_NOTHING:
    case CURLE_WEIRD_SERVER_REPLY:
    case CURLE_FTP_WEIRD_PASV_REPLY:
    case CURLE_FTP_WEIRD_227_FORMAT:
    case CURLE_FTP_CANT_GET_HOST:
    case CURLE_SSH:
    case CURLE_SSL_CONNECT_ERROR: return true;
    default: return false;
    }
}

// A name in an SFTP command, quoted the way libcurl reads it.
QByteArray quoted(const QByteArray &path)
{
    QByteArray text = path;
    text.replace('\\', "\\\\").replace('"', "\\\"");
    return '"' + text + '"';
}

} // namespace

void FtpCancel::abortAll()
{
    m_aborted = true;
    QMutexLocker lock(&m_mutex);
    for (curl_socket_t socket : std::as_const(m_sockets))
        ::shutdown(socket, SHUT_RDWR);
}

curl_socket_t FtpCancel::open(int family, int type, int protocol, bool cleanup)
{
    QMutexLocker lock(&m_mutex);
    if (m_aborted && !cleanup)
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

FtpWorker::FtpWorker(std::shared_ptr<FtpCancel> cancel) : m_cancel(std::move(cancel))
{
}

FtpWorker::~FtpWorker()
{
    if (m_multi && m_curl)
        curl_multi_remove_handle(m_multi, m_curl);
    if (m_curl)
        curl_easy_cleanup(m_curl);
    if (m_multi)
        curl_multi_cleanup(m_multi);
}

void FtpWorker::perform(const FtpRequest &request)
{
    if (m_cancel->aborted())
        return;
    if (!m_curl) {
        m_curl = curl_easy_init();
        m_multi = curl_multi_init();
    }
    m_request = &request;
    m_reportedDone = -1;
    m_sinceProgress.start();

    FtpOutcome result;
    switch (request.operation) {
    case FtpOperation::Login:
    case FtpOperation::ChangeDir:
    case FtpOperation::ParentDir:
        // Logs in and goes to the folder, and transfers nothing.
        prepare(request, request.url);
        curl_easy_setopt(m_curl, CURLOPT_NOBODY, 1L);
        result = outcome(request, transfer());
        break;
    case FtpOperation::List: result = list(request); break;
    case FtpOperation::Fetch: result = fetch(request); break;
    case FtpOperation::Send: result = send(request); break;
    }
    m_request = nullptr;
    emit finished(result);
}

void FtpWorker::prepare(const FtpRequest &request, const QByteArray &url)
{
    CURL *curl = m_curl;
    curl_easy_reset(curl); // the connection stays
    m_errorText[0] = 0;
    const int connectSeconds = m_cleaningUp ? kCleanupSeconds : request.connectSeconds;
    const int stallSeconds = m_cleaningUp ? kCleanupSeconds : request.stallSeconds;
    curl_easy_setopt(curl, CURLOPT_URL, url.constData());
    // The credentials go by libcurl's own options: no URL or message carries them.
    curl_easy_setopt(curl, CURLOPT_USERNAME, request.user.constData());
    curl_easy_setopt(curl, CURLOPT_PASSWORD, request.password.constData());
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, m_errorText);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_QUICK_EXIT, 1L);
    curl_easy_setopt(curl, CURLOPT_PATH_AS_IS, 1L); // ".." goes to the server as it is
    curl_easy_setopt(curl, CURLOPT_TRANSFERTEXT, request.binary ? 0L : 1L);
    curl_easy_setopt(curl, CURLOPT_BUFFERSIZE, kBufferBytes);
    curl_easy_setopt(curl, CURLOPT_UPLOAD_BUFFERSIZE, kUploadBufferBytes);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, long(connectSeconds));
    curl_easy_setopt(curl, CURLOPT_SERVER_RESPONSE_TIMEOUT, long(stallSeconds));
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, long(stallSeconds));
    curl_easy_setopt(curl, CURLOPT_USE_SSL, long(request.requireTls ? CURLUSESSL_ALL : CURLUSESSL_TRY));
    m_peerCheck.apply(curl, request.trust);
    if (request.sftp) {
        if (request.password.isEmpty()) {
            curl_easy_setopt(curl, CURLOPT_SSH_AUTH_TYPES, long(CURLSSH_AUTH_PUBLICKEY | CURLSSH_AUTH_AGENT));
            if (!request.privateKey.isEmpty())
                curl_easy_setopt(curl, CURLOPT_SSH_PRIVATE_KEYFILE, request.privateKey.constData());
            if (!request.publicKey.isEmpty())
                curl_easy_setopt(curl, CURLOPT_SSH_PUBLIC_KEYFILE, request.publicKey.constData());
        } else {
            curl_easy_setopt(curl, CURLOPT_SSH_AUTH_TYPES, long(CURLSSH_AUTH_PASSWORD | CURLSSH_AUTH_KEYBOARD));
        }
    }
    curl_easy_setopt(curl, CURLOPT_OPENSOCKETFUNCTION, openSocket);
    curl_easy_setopt(curl, CURLOPT_OPENSOCKETDATA, this);
    curl_easy_setopt(curl, CURLOPT_CLOSESOCKETFUNCTION, closeSocket);
    curl_easy_setopt(curl, CURLOPT_CLOSESOCKETDATA, m_cancel.get());
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, discard); // what a command without a body prints
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, progress);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, this);
}

// Runs the prepared command. One that fails on a connection kept from an
// earlier command before anything moved is run once more on a new one:
// servers close connections that stay idle, and the user is logged in
// again without a word.
CURLcode FtpWorker::transfer()
{
    CURLcode code = performNow();
    if (code == CURLE_OK || !lostIdleConnection(code))
        return code;
    if (m_upload && !m_upload->rewind())
        return code;
    m_listingLine.clear();
    m_listedEntries.clear();
    m_links.clear();
    curl_easy_setopt(m_curl, CURLOPT_FRESH_CONNECT, 1L);
    code = performNow();
    curl_easy_setopt(m_curl, CURLOPT_FRESH_CONNECT, 0L);
    return code;
}

// curl_easy_perform() as libcurl runs it, but with a short wait: its own
// waits a whole second whenever it has no socket to watch, which it
// sometimes has not while a passive data connection comes up. The
// connections stay with m_multi from one command to the next.
CURLcode FtpWorker::performNow()
{
    curl_multi_add_handle(m_multi, m_curl);
    int running = 1;
    CURLMcode state = CURLM_OK;
    while (state == CURLM_OK) {
        state = curl_multi_perform(m_multi, &running);
        if (state != CURLM_OK || running == 0)
            break;
        state = curl_multi_poll(m_multi, nullptr, 0, kLongestWaitMs, nullptr);
    }
    CURLcode code = state == CURLM_OUT_OF_MEMORY ? CURLE_OUT_OF_MEMORY : CURLE_FAILED_INIT;
    int queued = 0;
    while (const CURLMsg *message = curl_multi_info_read(m_multi, &queued)) {
        if (message->msg == CURLMSG_DONE && message->easy_handle == m_curl)
            code = message->data.result;
    }
    curl_multi_remove_handle(m_multi, m_curl);
    return code;
}

bool FtpWorker::lostIdleConnection(CURLcode code) const
{
    long newConnections = 0;
    long response = 0;
    curl_off_t received = 0;
    curl_off_t sent = 0;
    curl_easy_getinfo(m_curl, CURLINFO_NUM_CONNECTS, &newConnections);
    curl_easy_getinfo(m_curl, CURLINFO_RESPONSE_CODE, &response);
    curl_easy_getinfo(m_curl, CURLINFO_SIZE_DOWNLOAD_T, &received);
    curl_easy_getinfo(m_curl, CURLINFO_SIZE_UPLOAD_T, &sent);
    return newConnections == 0 && received == 0 && sent == 0 && !m_cancel->aborted()
           && m_peerCheck.refused().kind == PeerIdentity::Kind::None && (connectionFailure(code) || response == 421);
}

FtpOutcome FtpWorker::list(const FtpRequest &request)
{
    // The listing's lines are read here, each name with all its bytes.
    prepare(request, request.url);
    curl_easy_setopt(m_curl, CURLOPT_WRITEFUNCTION, writeListing);
    curl_easy_setopt(m_curl, CURLOPT_WRITEDATA, this);
    m_listingLine.clear();
    const CURLcode code = transfer();
    if (code == CURLE_OK && !m_listingLine.isEmpty())
        takeListing("\n", 1);
    // Links are handed over last, once the whole folder tells what they point at.
    resolveLinks(m_listedEntries);
    for (qsizetype link : std::as_const(m_links))
        m_listed << m_listedEntries[link];
    m_listedEntries.clear();
    m_links.clear();
    flushListed();
    return outcome(request, code);
}

FtpOutcome FtpWorker::fetch(const FtpRequest &request)
{
    // The old file stays until the new one is whole.
    LocalReplacement file;
    if (!file.open(request.localPath))
        return localFailure(request, "Cannot create file %1");
    // libcurl takes no control characters in an FTP URL: a name with one
    // (a tab) is fetched as a listing of its folder whose command is RETR,
    // in binary mode.
    const bool controlCharacter =
        !request.sftp && std::any_of(request.name.begin(), request.name.end(), [](char c) { return uchar(c) < 0x20; });
    prepare(request, controlCharacter ? request.folderUrl : request.url);
    curl_slist *binary = nullptr;
    const QByteArray retrieve = "RETR " + request.name;
    if (controlCharacter) {
        binary = curl_slist_append(binary, "TYPE I");
        curl_easy_setopt(m_curl, CURLOPT_PREQUOTE, binary);
        curl_easy_setopt(m_curl, CURLOPT_CUSTOMREQUEST, retrieve.constData());
    }
    m_download = &file;
    m_localFailed = false;
    curl_easy_setopt(m_curl, CURLOPT_WRITEFUNCTION, writeDownload);
    curl_easy_setopt(m_curl, CURLOPT_WRITEDATA, this);
    const CURLcode code = transfer();
    curl_slist_free_all(binary);
    m_download = nullptr;
    if (m_localFailed || (code == CURLE_OK && !file.commit()))
        return localFailure(request, "Cannot create file %1");
    return outcome(request, code); // a failed file is dropped with `file`
}

// The page goes to a temporary name beside the old one, and takes its
// place only once the server holds all of it: visitors never see half a
// page, and a failed upload leaves the old page as it was.
FtpOutcome FtpWorker::send(const FtpRequest &request)
{
    LocalSource file;
    if (!file.open(request.localPath))
        return localFailure(request, "Cannot open file %1");
    prepare(request, request.url);
    m_upload = &file;
    m_localFailed = false;
    curl_easy_setopt(m_curl, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(m_curl, CURLOPT_INFILESIZE_LARGE, curl_off_t(file.size()));
    curl_easy_setopt(m_curl, CURLOPT_READFUNCTION, readUpload);
    curl_easy_setopt(m_curl, CURLOPT_READDATA, this);
    CURLcode code = transfer();
    m_upload = nullptr;
    FtpOutcome result = outcome(request, code);
    if (m_localFailed)
        result = localFailure(request, "Cannot open file %1");
    else if (code == CURLE_OK && (code = checkStored(request, file.size())) != CURLE_OK)
        result = outcome(request, code);
    else if (code == CURLE_OK && (code = moveIntoPlace(request)) != CURLE_OK)
        result = outcome(request, code);
    if (code != CURLE_OK || m_localFailed)
        removeTemporary(request);
    result.bytes = file.size();
    return result;
}

CURLcode FtpWorker::checkStored(const FtpRequest &request, qint64 size)
{
    prepare(request, request.url);
    curl_easy_setopt(m_curl, CURLOPT_NOBODY, 1L);
    const CURLcode code = transfer();
    curl_off_t stored = -1;
    curl_easy_getinfo(m_curl, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &stored);
    if (code != CURLE_OK)
        return code;
    // A server that keeps the size to itself has confirmed the transfer.
    if (stored >= 0 && stored != size) {
        std::snprintf(m_errorText, sizeof m_errorText, "the server holds %lld of %lld bytes",
                      static_cast<long long>(stored), static_cast<long long>(size));
        return CURLE_PARTIAL_FILE;
    }
    return CURLE_OK;
}

CURLcode FtpWorker::moveIntoPlace(const FtpRequest &request)
{
    const CURLcode code = runCommands(request, {renameCommand(request, request.temporaryName, request.name)});
    if (code == CURLE_OK || m_cancel->aborted())
        return code;
    // Some servers rename nothing over an existing file: the old page
    // steps aside, the new one takes its name, then the old one goes. Should
    // the new one not take the name, the old one is put back.
    if (runCommands(request, {renameCommand(request, request.name, request.asideName)}) != CURLE_OK)
        return code;
    const CURLcode moved = runCommands(request, {renameCommand(request, request.temporaryName, request.name)});
    if (moved != CURLE_OK) {
        runCommands(request, {renameCommand(request, request.asideName, request.name)});
        return moved;
    }
    const QByteArray aside =
        request.sftp ? "rm " + quoted(request.folderPath + request.asideName) : "DELE " + request.asideName;
    runCommands(request, {aside});
    return CURLE_OK;
}

QByteArray FtpWorker::renameCommand(const FtpRequest &request, const QByteArray &from, const QByteArray &to) const
{
    if (request.sftp)
        return "rename " + quoted(request.folderPath + from) + ' ' + quoted(request.folderPath + to);
    return "RNFR " + from + "\nRNTO " + to;
}

// Commands sent in the sent file's folder, one after another; each may be
// two lines (FTP's rename).
CURLcode FtpWorker::runCommands(const FtpRequest &request, const QList<QByteArray> &commands)
{
    prepare(request, request.folderUrl);
    curl_easy_setopt(m_curl, CURLOPT_NOBODY, 1L);
    curl_slist *list = nullptr;
    QList<QByteArray> lines;
    for (const QByteArray &command : commands)
        lines << command.split('\n');
    for (const QByteArray &line : std::as_const(lines))
        list = curl_slist_append(list, line.constData());
    // Over FTP after the change into the folder, over SFTP (full paths) at once.
    curl_easy_setopt(m_curl, request.sftp ? CURLOPT_QUOTE : CURLOPT_POSTQUOTE, list);
    const CURLcode code = transfer();
    curl_slist_free_all(list);
    return code;
}

void FtpWorker::removeTemporary(const FtpRequest &request)
{
    // Also after the user cancelled: a new connection if need be, briefly.
    m_cleaningUp = true;
    runCommands(request, {request.sftp ? "rm " + quoted(request.folderPath + request.temporaryName)
                                       : "DELE " + request.temporaryName});
    m_cleaningUp = false;
}

FtpOutcome FtpWorker::outcome(const FtpRequest &request, CURLcode code) const
{
    FtpOutcome result{request.operation, {int(code), 0}, {}, false, 0, {}, false, false, {}};
    curl_off_t bytes = 0;
    curl_easy_getinfo(
        m_curl, request.operation == FtpOperation::Send ? CURLINFO_SIZE_UPLOAD_T : CURLINFO_SIZE_DOWNLOAD_T, &bytes);
    result.bytes = bytes;
    if (code == CURLE_OK) {
        result.encrypted = request.sftp || m_peerCheck.tlsStarted();
        const char *entry = nullptr;
        if (curl_easy_getinfo(m_curl, CURLINFO_FTP_ENTRY_PATH, &entry) == CURLE_OK && entry)
            result.entryPath = entry;
        return result;
    }
    long osErrno = 0;
    curl_easy_getinfo(m_curl, CURLINFO_OS_ERRNO, &osErrno);
    result.failure.osErrno = int(osErrno);
    result.text = QString::fromUtf8(m_errorText[0] ? m_errorText : curl_easy_strerror(code));
    result.refused = m_peerCheck.refused();
    result.encryptionRefused = code == CURLE_USE_SSL_FAILED;
    return result;
}

FtpOutcome FtpWorker::localFailure(const FtpRequest &request, const char *text) const
{
    FtpOutcome result{request.operation, {}, {}, true, 0, {}, false, false, {}};
    result.text = QString::fromLatin1(text).arg(ByteText::displayed(request.localPath));
    return result;
}

void FtpWorker::takeListing(const char *data, size_t bytes)
{
    const char *end = data + bytes;
    while (data < end) {
        const char *lineEnd = static_cast<const char *>(std::memchr(data, '\n', size_t(end - data)));
        if (!lineEnd) {
            m_listingLine.append(data, end - data);
            return;
        }
        std::optional<FTPDirItem> item;
        if (m_listingLine.isEmpty()) {
            item = parseListLine(QByteArrayView(data, lineEnd - data));
        } else {
            m_listingLine.append(data, lineEnd - data);
            item = parseListLine(m_listingLine);
            m_listingLine.clear();
        }
        if (item)
            addListed(*item);
        data = lineEnd + 1;
    }
}

void FtpWorker::addListed(const FTPDirItem &item)
{
    m_listedEntries << item;
    if (item.maybeFolder) {
        m_links << m_listedEntries.size() - 1; // handed over at the end
        return;
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

size_t FtpWorker::writeListing(char *data, size_t size, size_t count, void *self)
{
    static_cast<FtpWorker *>(self)->takeListing(data, size * count);
    return size * count;
}

size_t FtpWorker::writeDownload(char *data, size_t size, size_t count, void *self)
{
    auto *worker = static_cast<FtpWorker *>(self);
    const qint64 bytes = qint64(size * count);
    if (!worker->m_download->write(data, bytes)) {
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

int FtpWorker::progress(void *self, curl_off_t downTotal, curl_off_t downNow, curl_off_t upTotal, curl_off_t upNow)
{
    auto *worker = static_cast<FtpWorker *>(self);
    if (worker->m_cleaningUp)
        return 0;
    if (worker->m_cancel->aborted())
        return 1;
    const FtpRequest *request = worker->m_request;
    if (request && request->operation == FtpOperation::Fetch)
        worker->reportProgress(downNow, downTotal > 0 ? downTotal : qMax<qint64>(0, request->expectedSize));
    else if (request && request->operation == FtpOperation::Send && worker->m_upload)
        worker->reportProgress(upNow, upTotal);
    return 0;
}

curl_socket_t FtpWorker::openSocket(void *self, curlsocktype, curl_sockaddr *address)
{
    auto *worker = static_cast<FtpWorker *>(self);
    return worker->m_cancel->open(address->family, address->socktype, address->protocol, worker->m_cleaningUp);
}

int FtpWorker::closeSocket(void *cancel, curl_socket_t socket)
{
    return static_cast<FtpCancel *>(cancel)->close(socket);
}
