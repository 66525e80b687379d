#include "ftptrust.h"

#include "bytetext.h"

#include <QFileInfo>
#include <QtEndian>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString kNothingSent = QStringLiteral("Click \"No\" to end without sending your membername and password.");

QString certificateLines(const PeerIdentity &identity)
{
    return QStringLiteral("Subject: %1\r\nIssuer: %2\r\nValid from: %3\r\nValid until: %4\r\n")
        .arg(identity.subject, identity.issuer, identity.validFrom, identity.validUntil);
}

QString hostKeyLines(const PeerIdentity &identity)
{
    return QStringLiteral("Key type: %1\r\nSHA-256 fingerprint: %2\r\n")
        .arg(QString::fromLatin1(hostKeyType(identity.hostKey)), fingerprintText(identity));
}

} // namespace

QString fingerprintText(const PeerIdentity &identity)
{
    return fingerprintText(identity.kind, identity.fingerprint);
}

QString fingerprintText(PeerIdentity::Kind kind, const QByteArray &sha256)
{
    if (kind == PeerIdentity::Kind::HostKey)
        return QStringLiteral("SHA256:") + QString::fromLatin1(sha256.toBase64(QByteArray::OmitTrailingEquals));
    return QString::fromLatin1(sha256.toHex(':').toUpper());
}

QString trustQuestion(const PeerIdentity &identity, const QByteArray &trusted)
{
    if (identity.kind == PeerIdentity::Kind::HostKey) {
        return QStringLiteral("The server's host key is not known yet.\r\n\r\n") + hostKeyLines(identity)
               + QStringLiteral("\r\nDo you trust this host key? \"Yes\" adds it to ~/.ssh/known_hosts.\r\n")
               + kNothingSent;
    }
    QString text;
    if (identity.changed) {
        text = QStringLiteral("The server's certificate has changed since you trusted it!\r\n"
                              "Trusted before: %1\r\nNow: %2\r\n\r\n")
                   .arg(fingerprintText(PeerIdentity::Kind::Certificate, trusted), fingerprintText(identity));
    } else {
        text = QStringLiteral("The server's certificate could not be verified: %1.\r\n\r\n").arg(identity.reason)
               + QStringLiteral("SHA-256 fingerprint: %1\r\n").arg(fingerprintText(identity));
    }
    return text + certificateLines(identity)
           + QStringLiteral("\r\nDo you trust this certificate for this account from now on?\r\n") + kNothingSent;
}

QString changedHostKeyWarning(const PeerIdentity &identity)
{
    return QStringLiteral("The server's host key is not the one ~/.ssh/known_hosts holds for it!\r\n"
                          "Someone may be listening in, or the host has a new key.\r\n\r\n")
           + hostKeyLines(identity)
           + QStringLiteral("\r\nNothing was sent. If the host has a new key, remove its old line "
                            "from ~/.ssh/known_hosts and connect again.");
}

QString encryptionRefusedMessage()
{
    return QStringLiteral("This account has connected encrypted before, but the server offers no "
                          "encryption now!\r\nNothing was sent. Please check the entries and try again");
}

QByteArray hostKeyType(const QByteArray &blob)
{
    // The blob opens with its type as an SSH string: a 32-bit length, then the text.
    if (blob.size() < 4)
        return {};
    const quint32 length = qFromBigEndian<quint32>(blob.constData());
    return length <= quint32(blob.size() - 4) ? blob.mid(4, qsizetype(length)) : QByteArray();
}

QByteArray knownHostName(const QString &host, int port)
{
    QByteArray name = host.toUtf8();
    if (port == 22) {
        if (name.startsWith('[') && name.endsWith(']'))
            name = name.mid(1, name.size() - 2);
        return name;
    }
    if (!name.startsWith('['))
        name = '[' + name + ']';
    return name + ':' + QByteArray::number(port);
}

bool addKnownHost(const QString &path, const QByteArray &hostName, const QByteArray &key)
{
    const QByteArray type = hostKeyType(key);
    if (type.isEmpty())
        return false;
    const QByteArray folder = ByteText::nativePath(QFileInfo(path).absolutePath());
    ::mkdir(folder.constData(), 0700);
    const int file = ::open(ByteText::nativePath(path).constData(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0600);
    if (file < 0)
        return false;
    // A file that does not end its last line gets its line end first.
    bool needsLineEnd = false;
    struct stat status {
    };
    if (::fstat(file, &status) == 0 && status.st_size > 0) {
        const int reader = ::open(ByteText::nativePath(path).constData(), O_RDONLY | O_CLOEXEC);
        char last = '\n';
        if (reader >= 0) {
            if (::pread(reader, &last, 1, status.st_size - 1) != 1)
                last = '\n';
            ::close(reader);
        }
        needsLineEnd = last != '\n';
    }
    const QByteArray line = (needsLineEnd ? "\n" : "") + hostName + ' ' + type + ' ' + key.toBase64() + '\n';
    const bool written = ::write(file, line.constData(), size_t(line.size())) == line.size();
    return ::close(file) == 0 && written;
}
