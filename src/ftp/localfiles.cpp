#include "localfiles.h"

#include "bytetext.h"
#include "nativefiles.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The process's file mode mask, read without changing it (umask() would,
// for a moment, for every thread).
mode_t fileModeMask()
{
    static const mode_t mask = [] {
        QFile status(QStringLiteral("/proc/self/status"));
        if (status.open(QIODevice::ReadOnly)) {
            for (const QByteArray &line : status.readAll().split('\n')) {
                if (line.startsWith("Umask:"))
                    return mode_t(line.mid(6).trimmed().toUInt(nullptr, 8));
            }
        }
        return mode_t(022);
    }();
    return mask;
}

} // namespace

LocalSource::~LocalSource()
{
    if (m_file >= 0)
        ::close(m_file);
}

bool LocalSource::open(const QString &path)
{
    m_file = ::open(ByteText::nativePath(path).constData(), O_RDONLY | O_CLOEXEC);
    struct stat status {
    };
    if (m_file < 0 || ::fstat(m_file, &status) != 0 || !S_ISREG(status.st_mode))
        return false;
    m_size = status.st_size;
    return true;
}

qint64 LocalSource::read(char *data, qint64 bytes)
{
    ssize_t got;
    do {
        got = ::read(m_file, data, size_t(bytes));
    } while (got < 0 && errno == EINTR);
    return got;
}

bool LocalSource::rewind()
{
    return ::lseek(m_file, 0, SEEK_SET) == 0;
}

LocalReplacement::~LocalReplacement()
{
    if (m_file >= 0) {
        ::close(m_file);
        ::unlink(m_temporary.constData());
    }
}

bool LocalReplacement::open(const QString &path)
{
    m_target = ByteText::nativePath(path);
    const qsizetype slash = m_target.lastIndexOf('/');
    const QByteArray name = m_target.mid(slash + 1);
    if (name.isEmpty())
        return false;
    m_temporary = NativeFiles::nativeFolderOf(m_target) + "/." + name + ".XXXXXX";
    m_file = ::mkostemp(m_temporary.data(), O_CLOEXEC);
    if (m_file < 0)
        return false;
    // The new copy is as readable as a file made in the usual way.
    ::fchmod(m_file, 0666 & ~fileModeMask());
    return true;
}

bool LocalReplacement::write(const char *data, qint64 bytes)
{
    return NativeFiles::writeFully(m_file, data, bytes);
}

bool LocalReplacement::commit()
{
    const bool whole = ::fsync(m_file) == 0;
    const bool closed = ::close(m_file) == 0;
    m_file = -1;
    const QString target = ByteText::fromNativePath(m_target);
    bool replaced = false;
    if (whole && closed && NativeFiles::exists(target)) {
        // A copy the user already has is replaced as a saved page is: its
        // links, other names, owner and mode stay.
        const std::optional<QByteArray> bytes = NativeFiles::read(ByteText::fromNativePath(m_temporary));
        replaced = bytes && NativeFiles::write(target, *bytes);
    } else if (whole && closed && ::rename(m_temporary.constData(), m_target.constData()) == 0) {
        const int folder =
            ::open(NativeFiles::nativeFolderOf(m_target).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (folder >= 0) {
            ::fsync(folder);
            ::close(folder);
        }
        return true;
    }
    ::unlink(m_temporary.constData());
    return replaced;
}
