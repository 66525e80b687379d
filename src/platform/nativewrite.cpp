// NativeFiles::write: replacing a file's contents without ever leaving it
// truncated or half written.

#include "nativefiles.h"

#include "bytetext.h"

#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace NativeFiles {
namespace {

// The file a path names once its symbolic links are followed; a link to a
// file not made yet gives that file's path. A loop of links is left to the
// open that follows, which refuses it.
QByteArray followLinks(QByteArray path)
{
    for (int hop = 0; hop < 40; ++hop) {
        struct stat info;
        if (::lstat(path.constData(), &info) != 0 || !S_ISLNK(info.st_mode))
            return path;
        QByteArray target(PATH_MAX, Qt::Uninitialized);
        const ssize_t length = ::readlink(path.constData(), target.data(), target.size());
        if (length < 0)
            return path;
        target.truncate(length);
        path = target.startsWith('/') ? target : nativeFolderOf(path) + '/' + target;
    }
    return path;
}

// The bytes from the file's start.
bool writeAll(int fd, const QByteArray &bytes)
{
    return ::lseek(fd, 0, SEEK_SET) == 0 && writeFully(fd, bytes.constData(), bytes.size());
}

bool readAll(int fd, QByteArray &bytes)
{
    struct stat info;
    if (::fstat(fd, &info) != 0)
        return false;
    bytes.resize(info.st_size);
    qsizetype used = 0;
    while (used < bytes.size()) {
        const ssize_t got = ::pread(fd, bytes.data() + used, size_t(bytes.size() - used), used);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return false;
        if (got == 0)
            break; // it shrank meanwhile: what is there is the old page
        used += got;
    }
    bytes.truncate(used);
    return true;
}

bool inGroup(gid_t group)
{
    if (::getegid() == group)
        return true;
    const int count = ::getgroups(0, nullptr);
    std::vector<gid_t> groups(std::max(count, 0));
    return count > 0 && ::getgroups(count, groups.data()) == count
           && std::find(groups.begin(), groups.end(), group) != groups.end();
}

// Whether a new file of ours may be given the old file's owner and group.
bool ownerCanBeKept(const struct stat &old)
{
    return ::geteuid() == 0 || (old.st_uid == ::geteuid() && inGroup(old.st_gid));
}

bool syncFolder(const QByteArray &folder)
{
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    // Some file systems cannot sync a folder; they say so with EINVAL.
    const bool synced = ::fsync(fd) == 0 || errno == EINVAL;
    ::close(fd);
    return synced;
}

enum class Outcome { Written, Failed, OwnerNotKept };

// A new file beside the old one takes the bytes, is flushed to the disk and
// only then renamed over the old name: at every moment the name holds the
// old file or the whole new one.
Outcome writeByRename(const QByteArray &target, const QByteArray &bytes, const struct stat *old)
{
    const QByteArray folder = nativeFolderOf(target);
    const QByteArray name = target.mid(target.lastIndexOf('/') + 1).left(200);
    QByteArray temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = folder + "/." + name + '.' + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        // A new page is made as any new file is (the umask applies); a
        // replacement takes the old file's mode below.
        fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, old ? 0600 : 0666);
        if (fd < 0 && errno != EEXIST)
            return Outcome::Failed;
    }
    if (fd < 0)
        return Outcome::Failed;
    Outcome outcome = Outcome::Failed;
    // Owner before mode: a change of owner clears the set-id bits.
    if (old && ::fchown(fd, old->st_uid, old->st_gid) != 0)
        outcome = Outcome::OwnerNotKept;
    else if ((!old || ::fchmod(fd, old->st_mode & 07777) == 0) && writeAll(fd, bytes) && ::fsync(fd) == 0)
        outcome = Outcome::Written;
    if (::close(fd) != 0 && outcome == Outcome::Written)
        outcome = Outcome::Failed;
    if (outcome == Outcome::Written && ::rename(temporary.constData(), target.constData()) == 0)
        return syncFolder(folder) ? Outcome::Written : Outcome::Failed;
    ::unlink(temporary.constData());
    return outcome == Outcome::Written ? Outcome::Failed : outcome;
}

// Room for the new length before anything is overwritten, so that a full
// disk shows while the old bytes are still whole.
bool reserve(int fd, qsizetype oldSize, qsizetype newSize)
{
    if (newSize <= oldSize)
        return true;
    const int error = ::posix_fallocate(fd, 0, newSize);
    // A file system that cannot reserve: a failing write below puts the old
    // bytes back.
    if (error == 0 || error == EOPNOTSUPP)
        return true;
    // What it may have added goes; the old bytes themselves are untouched.
    [[maybe_unused]] const int undone = ::ftruncate(fd, oldSize);
    return false;
}

// The file itself takes the bytes; its old bytes stay in memory until the
// new ones are on the disk, and go back if any step fails.
bool writeInPlace(const QByteArray &target, const QByteArray &bytes)
{
    const int fd = ::open(target.constData(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        return false;
    QByteArray old;
    bool written = readAll(fd, old) && reserve(fd, old.size(), bytes.size());
    if (written) {
        written = writeAll(fd, bytes) && ::ftruncate(fd, bytes.size()) == 0 && ::fsync(fd) == 0;
        if (!written && writeAll(fd, old) && ::ftruncate(fd, old.size()) == 0)
            ::fsync(fd);
    }
    return ::close(fd) == 0 && written;
}

} // namespace

bool write(const QString &path, const QByteArray &bytes)
{
    const QByteArray target = followLinks(ByteText::nativePath(path));
    struct stat old;
    if (::stat(target.constData(), &old) != 0)
        return errno == ENOENT && writeByRename(target, bytes, nullptr) == Outcome::Written;
    // The owner's protection holds, also against a rename that would pass
    // it by.
    if (!S_ISREG(old.st_mode) || !(old.st_mode & S_IWUSR))
        return false;
    // A rename would part a file from its other names, need a folder we may
    // write, and leave a new file that is ours.
    if (old.st_nlink == 1 && ::access(nativeFolderOf(target).constData(), W_OK) == 0 && ownerCanBeKept(old)) {
        const Outcome outcome = writeByRename(target, bytes, &old);
        if (outcome != Outcome::OwnerNotKept)
            return outcome == Outcome::Written;
    }
    return writeInPlace(target, bytes);
}

} // namespace NativeFiles
