#include "ftpclient.h"

#include "ftpworker.h"

#include <QCoreApplication>
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
    static const bool done = [] {
        curl_global_init(CURL_GLOBAL_DEFAULT);
        qAddPostRoutine(waitForEndingThreads);
        return true;
    }();
    Q_UNUSED(done);
}

} // namespace

TFTP::TFTP(QObject *parent)
    : QObject(parent), m_cancel(std::make_shared<FtpCancel>())
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
    QMetaObject::invokeMethod(this, [this] { emit OnProtocolStateChanged(LoginWanted); },
                              Qt::QueuedConnection);
}

void TFTP::authenticate(const QString &user, const QString &password)
{
    m_user = user;
    m_password = password;
    m_folders.clear();
    run(FtpOperation::Login, ftpUrl(m_address, m_folders));
}

void TFTP::list()
{
    if (m_busy)
        return;
    m_listed.clear();
    run(FtpOperation::List, ftpListUrl(m_address, m_folders));
}

void TFTP::changeDir(const QString &folder)
{
    if (m_busy)
        return;
    m_target = m_folders;
    m_target << serverName(folder);
    run(FtpOperation::ChangeDir, ftpUrl(m_address, m_target));
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
    run(FtpOperation::ParentDir, ftpUrl(m_address, m_target));
}

void TFTP::setType(int code)
{
    // libcurl sends the type with each transfer; a type the server refuses
    // fails that transfer.
    m_binary = code == kBinaryType;
    QMetaObject::invokeMethod(this, [this] { emit OnType_(); }, Qt::QueuedConnection);
}

void TFTP::sendFile(const QString &localPath, const QString &remoteName)
{
    run(FtpOperation::Send, ftpUrl(m_address, m_folders, serverName(remoteName)), localPath);
}

void TFTP::fetchFile(const QString &remoteName, const QString &localPath)
{
    const auto listed = m_listed.constFind(remoteName);
    run(FtpOperation::Fetch, ftpUrl(m_address, m_folders, serverName(remoteName)), localPath,
        listed == m_listed.constEnd() ? -1 : listed->size);
}

void TFTP::run(FtpOperation operation, const QByteArray &url, const QString &localPath,
               qint64 expectedSize)
{
    if (m_busy)
        return;
    FtpRequest request{operation, url, m_user.toUtf8(), m_password.toUtf8(), localPath,
                       expectedSize, m_binary, m_connectSeconds, m_stallSeconds};
    m_running = operation;
    m_busy = true;
    emit OnBusy(true);
    FtpWorker *worker = m_worker;
    QMetaObject::invokeMethod(worker, [worker, request] { worker->perform(request); },
                              Qt::QueuedConnection);
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
    if (outcome.operation == FtpOperation::Login)
        m_state = ok ? Connected : Closed;
    if (ok && (outcome.operation == FtpOperation::ChangeDir || outcome.operation == FtpOperation::ParentDir))
        m_folders = m_target;

    QPointer<TFTP> alive(this);
    emit OnBusy(false);
    if (!alive)
        return;
    if (!ok) {
        QString text = outcome.text;
        if (!m_password.isEmpty())
            text.replace(m_password, QStringLiteral("****"));
        emit OnError(outcome.localFile ? kLocalFileError : ftpErrorNumber(outcome.operation, outcome.failure),
                     text);
        return;
    }
    const qint64 size = outcome.bytes;
    switch (outcome.operation) {
    case FtpOperation::Login:
        emit OnProtocolStateChanged(Ready);
        break;
    case FtpOperation::List:
        break;
    case FtpOperation::ChangeDir:
        emit OnChangeDir();
        break;
    case FtpOperation::ParentDir:
        emit OnParentDir();
        break;
    case FtpOperation::Fetch:
        emit OnDocOutput(DocEnd, size, size);
        break;
    case FtpOperation::Send:
        emit OnDocInput(DocEnd, size, size);
        break;
    }
}

QByteArray TFTP::serverName(const QString &name) const
{
    const auto listed = m_listed.constFind(name);
    return listed != m_listed.constEnd() ? listed->serverName : name.toUtf8();
}
