#include "nativefiles.h"

#include "bytetext.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace NativeFiles {
namespace {

bool statOf(const QString &path, struct stat &info)
{
    return ::stat(ByteText::nativePath(path).constData(), &info) == 0;
}

// The one entry of the folder whose name Qt decodes as 'shown'.
std::optional<QByteArray> entryShownAs(const QByteArray &folder, const QString &shown)
{
    DIR *dir = ::opendir(folder.isEmpty() ? "/" : folder.constData());
    if (!dir)
        return std::nullopt;
    std::optional<QByteArray> found;
    int matches = 0;
    while (const dirent *entry = ::readdir(dir)) {
        if (QFile::decodeName(entry->d_name) == shown) {
            found = QByteArray(entry->d_name);
            ++matches;
        }
    }
    ::closedir(dir);
    return matches == 1 ? found : std::nullopt;
}

} // namespace

bool exists(const QString &path)
{
    struct stat info;
    return statOf(path, info);
}

bool isFile(const QString &path)
{
    struct stat info;
    return statOf(path, info) && S_ISREG(info.st_mode);
}

bool isDirectory(const QString &path)
{
    struct stat info;
    return statOf(path, info) && S_ISDIR(info.st_mode);
}

bool makeDirectories(const QString &path)
{
    const QByteArray native = ByteText::nativePath(path);
    for (qsizetype slash = native.indexOf('/', 1); slash > 0; slash = native.indexOf('/', slash + 1))
        ::mkdir(native.left(slash).constData(), 0777); // an existing one is fine
    ::mkdir(native.constData(), 0777);
    return isDirectory(path);
}

std::optional<QByteArray> read(const QString &path)
{
    // Not blocking: a pipe or device by that name is refused, not waited on.
    const int fd = ::open(ByteText::nativePath(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct stat info;
    std::optional<QByteArray> bytes;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        // The size is a hint (the file may change while it is read); the
        // byte beyond it shows the end without growing the buffer.
        QByteArray data(info.st_size + 1, Qt::Uninitialized);
        qsizetype used = 0;
        for (;;) {
            if (used == data.size())
                data.resize(data.size() * 2);
            const ssize_t got = ::read(fd, data.data() + used, data.size() - used);
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0)
                break;
            if (got == 0) {
                data.truncate(used);
                bytes = std::move(data);
                break;
            }
            used += got;
        }
    }
    ::close(fd);
    return bytes;
}

QByteArray nativeFolderOf(const QByteArray &nativePath)
{
    const qsizetype slash = nativePath.lastIndexOf('/');
    return slash < 0 ? QByteArray(".") : nativePath.left(std::max<qsizetype>(slash, 1));
}

QString folderOf(const QString &path)
{
    return ByteText::fromNativePath(nativeFolderOf(ByteText::nativePath(path)));
}

bool writeFully(int fd, const char *data, qint64 size)
{
    // Each whole piece of the file is handed to the disk as soon as it is
    // written, so that the sync that follows finds most of the file there
    // already. Whole pieces only: starting the disk on every small write of
    // a download would cost more than the sync saves.
    constexpr qint64 kPiece = 4 << 20;
    off_t offset = ::lseek(fd, 0, SEEK_CUR);
    while (size > 0) {
        const ssize_t done = ::write(fd, data, size_t(std::min(size, kPiece)));
        if (done < 0 && errno == EINTR)
            continue;
        if (done <= 0)
            return false;
        if (offset >= 0) {
            const off_t handedOver = offset / kPiece * kPiece;
            offset += done;
            const off_t whole = offset / kPiece * kPiece;
            if (whole > handedOver)
                ::sync_file_range(fd, handedOver, whole - handedOver, SYNC_FILE_RANGE_WRITE);
        }
        data += done;
        size -= done;
    }
    return true;
}

QString absolute(const QString &path)
{
    if (path.startsWith(u'/'))
        return QDir::cleanPath(path);
    QByteArray folder(4096, '\0');
    while (!::getcwd(folder.data(), folder.size()) && errno == ERANGE)
        folder.resize(folder.size() * 2);
    return QDir::cleanPath(ByteText::fromNativePath(folder.constData()) + u'/' + path);
}

QByteArray fileUrl(const QString &path)
{
    return "file://" + ByteText::nativePath(absolute(path)).toPercentEncoding("/");
}

QString recoverDecodedPath(const QString &decoded)
{
    if (!decoded.contains(QChar::ReplacementCharacter) || !decoded.startsWith(u'/'))
        return decoded;
    QByteArray native;
    for (const QString &part : decoded.split(u'/', Qt::SkipEmptyParts)) {
        std::optional<QByteArray> entry;
        if (part.contains(QChar::ReplacementCharacter))
            entry = entryShownAs(native, part);
        native += '/' + entry.value_or(ByteText::nativePath(part));
    }
    return ByteText::fromNativePath(native);
}

} // namespace NativeFiles
