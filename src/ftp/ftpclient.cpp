#include "ftpclient.h"

#include "apperror.h"
#include "bytetext.h"
#include "curlloader.h"
#include "ftpworker.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QThread>

namespace {

// Worker threads still ending after their component went. The program
// waits for them as it ends, so that none is cut off inside libcurl.
QList<QPointer<QThread>> &endingThreads()
{
    static QList<QPointer<QThread>> threads;
    return threads;
}

void waitForEndingThreads()
{
    for (const QPointer<QThread> &thread : std::as_const(endingThreads())) {
        if (thread) {
            thread->quit();
            thread->wait();
        }
    }
}

void initialiseCurl()
{
    QString error;
    if (!loadCurl(&error))
        throw AppError(error);
    static const bool done = [] {
        curl_global_init(CURL_GLOBAL_DEFAULT);
        qAddPostRoutine(waitForEndingThreads);
        return true;
    }();
    Q_UNUSED(done);
}

QString sshFile(const QString &name)
{
    return QDir::homePath() + QStringLiteral("/.ssh/") + name;
}

QByteArray existingFile(const QString &path)
{
    return QFileInfo::exists(path) ? ByteText::nativePath(path) : QByteArray();
}

} // namespace

TFTP::TFTP(QObject *parent) : QObject(parent), m_cancel(std::make_shared<FtpCancel>())
{
    initialiseCurl();
    m_thread = new QThread;
    m_thread->setObjectName(QStringLiteral("ftp"));
    m_worker = new FtpWorker(m_cancel);
    m_worker->moveToThread(m_thread);
    connect(m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    connect(m_thread, &QThread::finished, m_thread, &QObject::deleteLater);
    connect(m_worker, &FtpWorker::listed, this, &TFTP::workerListed);
    connect(m_worker, &FtpWorker::progressed, this, &TFTP::workerProgressed);
    connect(m_worker, &FtpWorker::finished, this, &TFTP::workerFinished);
    endingThreads().removeAll(nullptr);
    endingThreads() << m_thread;
    m_thread->start();
}

TFTP::~TFTP()
{
    m_cancel->abortAll();
    m_thread->quit();
}

void TFTP::setTimeouts(int connectSeconds, int stallSeconds)
{
    m_connectSeconds = connectSeconds;
    m_stallSeconds = stallSeconds;
}

void TFTP::connectToHost(const QString &host, int port)
{
    m_address = parseFtpHost(host, port);
    m_state = Closed;
    QMetaObject::invokeMethod(
        this, [this] { emit OnProtocolStateChanged(LoginWanted); }, Qt::QueuedConnection);
}

void TFTP::authenticate(const QString &user, const QString &password)
{
    m_user = user;
    m_password = password;
    m_folders.clear();
    m_home.clear();
    // SFTP starts in the user's home, as FTP does.
    run(request(FtpOperation::Login, ftpUrl(m_address, m_address.sftp ? QList<QByteArray>{"~"} : m_folders)));
}

void TFTP::list()
{
    if (m_busy)
        return;
    m_listed.clear();
    run(request(FtpOperation::List, ftpUrl(m_address, path(m_folders))));
}

void TFTP::changeDir(const QString &folder)
{
    if (m_busy)
        return;
    m_target = m_folders;
    m_target << serverName(folder);
    run(request(FtpOperation::ChangeDir, ftpUrl(m_address, path(m_target))));
}

void TFTP::parentDir()
{
    if (m_busy)
        return;
    m_target = m_folders;
    if (!m_target.isEmpty() && m_target.constLast() != "..")
        m_target.removeLast();
    else
        m_target << ".."; // above the log-in folder
    run(request(FtpOperation::ParentDir, ftpUrl(m_address, path(m_target))));
}

void TFTP::setType(int code)
{
    // libcurl sends the type with each transfer; a type the server refuses
    // fails that transfer.
    m_binary = code == kBinaryType;
    QMetaObject::invokeMethod(
        this, [this] { emit OnType_(); }, Qt::QueuedConnection);
}

void TFTP::sendFile(const QString &localPath, const QString &remoteName)
{
    const QList<QByteArray> folder = path(m_folders);
    const QByteArray name = serverName(remoteName);
    FtpRequest sent = request(FtpOperation::Send, ftpUrl(m_address, folder, "." + name + ".part"));
    sent.folderUrl = ftpUrl(m_address, folder);
    sent.folderPath = remotePath(folder, {});
    sent.name = name;
    sent.temporaryName = "." + name + ".part";
    sent.asideName = "." + name + ".old";
    sent.localPath = localPath;
    run(sent);
}

void TFTP::fetchFile(const QString &remoteName, const QString &localPath)
{
    const QByteArray name = serverName(remoteName);
    FtpRequest fetched = request(FtpOperation::Fetch, ftpUrl(m_address, path(m_folders), name));
    fetched.folderUrl = ftpUrl(m_address, path(m_folders));
    fetched.name = name;
    const auto listed = m_listed.constFind(remoteName);
    fetched.expectedSize = listed == m_listed.constEnd() ? -1 : listed->size;
    fetched.localPath = localPath;
    run(fetched);
}

bool TFTP::trustHostKey(const PeerIdentity &identity)
{
    m_acceptedHostKey = identity.hostKey;
    return addKnownHost(sshFile(QStringLiteral("known_hosts")), knownHostName(m_address.host, m_address.port),
                        identity.hostKey);
}

FtpRequest TFTP::request(FtpOperation operation, const QByteArray &url) const
{
    FtpRequest made;
    made.operation = operation;
    made.sftp = m_address.sftp;
    made.url = url;
    made.user = ByteText::encode(m_user);
    made.password = ByteText::encode(m_password);
    made.binary = m_binary;
    made.connectSeconds = m_connectSeconds;
    made.stallSeconds = m_stallSeconds;
    // Once a connection was encrypted, a new one must be too.
    made.requireTls = !m_address.sftp && (EncryptionRequired || m_encrypted);
    QString host = m_address.host;
    if (host.startsWith(QLatin1Char('[')) && host.endsWith(QLatin1Char(']')))
        host = host.mid(1, host.size() - 2);
    made.trust = {host.toUtf8(), TrustedCertificate, ByteText::nativePath(sshFile(QStringLiteral("known_hosts"))),
                  m_acceptedHostKey};
    if (m_address.sftp && m_password.isEmpty()) {
        for (const char *key : {"id_ed25519", "id_rsa"}) {
            made.privateKey = existingFile(sshFile(QLatin1String(key)));
            if (!made.privateKey.isEmpty()) {
                made.publicKey = existingFile(sshFile(QLatin1String(key) + QStringLiteral(".pub")));
                break;
            }
        }
    }
    return made;
}

void TFTP::run(const FtpRequest &request)
{
    if (m_busy)
        return;
    m_running = request.operation;
    m_busy = true;
    emit OnBusy(true);
    FtpWorker *worker = m_worker;
    QMetaObject::invokeMethod(
        worker, [worker, request] { worker->perform(request); }, Qt::QueuedConnection);
}

void TFTP::workerListed(const QList<FTPDirItem> &items)
{
    QPointer<TFTP> alive(this);
    for (const FTPDirItem &item : items) {
        m_listed.insert(item.fileName, item);
        emit OnListItem(item);
        if (!alive)
            return;
    }
}

void TFTP::workerProgressed(qint64 done, qint64 total)
{
    if (m_running == FtpOperation::Fetch)
        emit OnDocOutput(DocData, done, total);
    else if (m_running == FtpOperation::Send)
        emit OnDocInput(DocData, done, total);
}

void TFTP::workerFinished(const FtpOutcome &outcome)
{
    const bool ok = outcome.failure.curlCode == 0 && !outcome.localFile;
    m_busy = false;
    if (outcome.operation == FtpOperation::Login) {
        m_state = ok ? Connected : Closed;
        m_encrypted = ok && outcome.encrypted;
        if (ok && m_address.sftp) {
            for (const QByteArray &folder : outcome.entryPath.split('/')) {
                if (!folder.isEmpty())
                    m_home << folder;
            }
        }
    }
    if (ok && (outcome.operation == FtpOperation::ChangeDir || outcome.operation == FtpOperation::ParentDir))
        m_folders = m_target;

    QPointer<TFTP> alive(this);
    emit OnBusy(false);
    if (!alive)
        return;
    if (!ok && outcome.operation == FtpOperation::Login && outcome.refused.kind != PeerIdentity::Kind::None) {
        emit OnUntrustedPeer(outcome.refused);
        return;
    }
    if (!ok && outcome.encryptionRefused) {
        emit OnError(kEncryptionRefused, encryptionRefusedMessage());
        return;
    }
    if (!ok) {
        emit OnError(outcome.localFile ? kLocalFileError : ftpErrorNumber(outcome.operation, outcome.failure),
                     outcome.text);
        return;
    }
    const qint64 size = outcome.bytes;
    switch (outcome.operation) {
    case FtpOperation::Login: emit OnProtocolStateChanged(Ready); break;
    case FtpOperation::List: break;
    case FtpOperation::ChangeDir: emit OnChangeDir(); break;
    case FtpOperation::ParentDir: emit OnParentDir(); break;
    case FtpOperation::Fetch: emit OnDocOutput(DocEnd, size, size); break;
    case FtpOperation::Send: emit OnDocInput(DocEnd, size, size); break;
    }
}

QByteArray TFTP::serverName(const QString &name) const
{
    const auto listed = m_listed.constFind(name);
    return listed != m_listed.constEnd() ? listed->serverName : ByteText::encode(name);
}

QList<QByteArray> TFTP::path(const QList<QByteArray> &folders) const
{
    return m_home + folders;
}
