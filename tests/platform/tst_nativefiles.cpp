#include "bytetext.h"
#include "nativefiles.h"
#include "support/files.h"

#include <QDir>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <functional>
#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr uid_t kOtherUser = 65534; // nobody
constexpr gid_t kOtherGroup = 65534;

struct stat statOf(const QString &path)
{
    struct stat info {
    };
    ::stat(ByteText::nativePath(path).constData(), &info);
    return info;
}

// Runs the work as a user who is not root and owns the given files: as
// root in a child process that gives root up, else here.
bool asPlainUser(const QStringList &owned, const std::function<bool()> &work)
{
    if (::geteuid() != 0)
        return work();
    for (const QString &path : owned) {
        if (::chown(ByteText::nativePath(path).constData(), kOtherUser, kOtherGroup) != 0)
            return false;
    }
    const pid_t child = ::fork();
    if (child == 0) {
        const bool dropped = ::setgroups(0, nullptr) == 0 && ::setgid(kOtherGroup) == 0 && ::setuid(kOtherUser) == 0;
        ::_exit(dropped && work() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// The write with the file size limited, as a full disk would stop it.
bool writeWithLimit(const QString &path, const QByteArray &bytes, rlim_t limit)
{
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit previous{};
    getrlimit(RLIMIT_FSIZE, &previous);
    rlimit small = previous;
    small.rlim_cur = limit;
    setrlimit(RLIMIT_FSIZE, &small);
    const bool written = NativeFiles::write(path, bytes);
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);
    return written;
}

} // namespace

class TestNativeFiles : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString path(const QString &name) { return m_dir.filePath(name); }

private slots:
    void cleanupTestCase() { removeContents(m_dir.path()); }

    // "caf\xe9.html" is one file, named by its own bytes, everywhere.
    void namesThatAreNotUtf8()
    {
        const QString folder = path(ByteText::decode("\xdc"
                                                     "bungen"));
        const QString page = folder + ByteText::decode("/caf\xe9.html");
        QVERIFY(NativeFiles::makeDirectories(folder + "/deeper"));
        QVERIFY(NativeFiles::isDirectory(folder));
        QVERIFY(NativeFiles::write(page, "<P>"));
        const QByteArray native = QFile::encodeName(m_dir.path())
                                  + "/\xdc"
                                    "bungen/caf\xe9.html";
        QCOMPARE(::access(native.constData(), F_OK), 0);
        QVERIFY(NativeFiles::isFile(page) && NativeFiles::exists(page) && !NativeFiles::isDirectory(page));
        QCOMPARE(NativeFiles::read(page).value_or("unread"), QByteArray("<P>"));
        QVERIFY(!NativeFiles::read(ByteText::displayed(page)));
        QVERIFY(!NativeFiles::read(folder)); // a folder is no page
        QCOMPARE(NativeFiles::fileUrl(page), "file://" + QFile::encodeName(m_dir.path()) + "/%DCbungen/caf%E9.html");
        // What Qt's dialogs hand back leads to the file again...
        QCOMPARE(NativeFiles::recoverDecodedPath(QFile::decodeName(ByteText::nativePath(page))), page);
        // ...unless two names read alike.
        QVERIFY(NativeFiles::write(folder + ByteText::decode("/caf\xe8.html"), ""));
        const QString ambiguous = QFile::decodeName(ByteText::nativePath(page));
        QCOMPARE(NativeFiles::recoverDecodedPath(ambiguous), folder + QString::fromUtf8("/caf\xef\xbf\xbd.html"));
    }

    void relativePathsBecomeAbsolute()
    {
        const QString before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_dir.path()));
        const QString made = NativeFiles::absolute(ByteText::decode("./sub/../caf\xe9.htm"));
        QVERIFY(QDir::setCurrent(before));
        QCOMPARE(made, QDir(m_dir.path()).canonicalPath() + ByteText::decode("/caf\xe9.htm"));
        QCOMPARE(NativeFiles::absolute("/a/./b/../c"), QString("/a/c"));
        QCOMPARE(NativeFiles::folderOf("/b.htm"), QString("/"));
    }

    // Written in place, so the page's other name sees the new text.
    void aSecondNameStaysLinked()
    {
        const QString page = path("linked.htm"), other = path("other.htm");
        writeFile(page, "old");
        QCOMPARE(::link(QFile::encodeName(page).constData(), QFile::encodeName(other).constData()), 0);
        QVERIFY(NativeFiles::write(page, "the new text"));
        QCOMPARE(readFile(other), QByteArray("the new text"));
        QCOMPARE(statOf(page).st_ino, statOf(other).st_ino);
    }

    void symbolicLinksAreFollowed()
    {
        QVERIFY(QDir(m_dir.path()).mkpath("real"));
        writeFile(path("real/target.htm"), "old");
        QVERIFY(QFile::link("real/target.htm", path("relative.htm")));
        QVERIFY(NativeFiles::write(path("relative.htm"), "new"));
        QCOMPARE(readFile(path("real/target.htm")), QByteArray("new"));
        QVERIFY(QFileInfo(path("relative.htm")).isSymLink());
        // A link to a page not made yet makes the page.
        QVERIFY(QFile::link(path("real/later.htm"), path("dangling.htm")));
        QVERIFY(NativeFiles::write(path("dangling.htm"), "made"));
        QCOMPARE(readFile(path("real/later.htm")), QByteArray("made"));
        QVERIFY(QFileInfo(path("dangling.htm")).isSymLink());
    }

    void modeOwnerAndGroupStay()
    {
        const QString page = path("mode.htm");
        writeFile(page, "old");
        QVERIFY(::chmod(QFile::encodeName(page).constData(), 0604) == 0);
        QVERIFY(NativeFiles::write(page, "new"));
        QCOMPARE(statOf(page).st_mode & 07777, mode_t(0604));
        // A new page is made as any new file is.
        const mode_t mask = ::umask(022);
        QVERIFY(NativeFiles::write(path("fresh.htm"), "x"));
        ::umask(mask);
        QCOMPARE(statOf(path("fresh.htm")).st_mode & 07777, mode_t(0644));
        if (::geteuid() != 0)
            QSKIP("Giving a page to another owner needs root; the owner and group check runs as root");
        QVERIFY(::chown(QFile::encodeName(page).constData(), 1234, 5678) == 0);
        QVERIFY(NativeFiles::write(page, "saved as root"));
        QCOMPARE(statOf(page).st_uid, uid_t(1234));
        QCOMPARE(statOf(page).st_gid, gid_t(5678));
        QCOMPARE(statOf(page).st_mode & 07777, mode_t(0604));
        QCOMPARE(readFile(page), QByteArray("saved as root"));
    }

    // Where no new file can take the page's place, the page itself takes
    // the bytes: a folder we may not write, a page of another owner.
    void writtenInPlaceWhereARenameCannot()
    {
        QVERIFY(QDir(m_dir.path()).mkpath("locked"));
        const QString page = path("locked/page.htm");
        writeFile(page, "old text, longer than the new");
        const ino_t inode = statOf(page).st_ino;
        // The test's folder is open to the other user; "locked" to nobody.
        QVERIFY(::chmod(QFile::encodeName(m_dir.path()).constData(), 0755) == 0);
        QVERIFY(::chmod(QFile::encodeName(path("locked")).constData(), 0555) == 0);
        const auto unlock = qScopeGuard([&] { ::chmod(QFile::encodeName(path("locked")).constData(), 0755); });
        QVERIFY(asPlainUser({page}, [&] { return NativeFiles::write(page, "new"); }));
        QCOMPARE(readFile(page), QByteArray("new"));
        QCOMPARE(statOf(page).st_ino, inode);
        QCOMPARE(QDir(path("locked")).entryList(QDir::Files | QDir::Hidden), QStringList{"page.htm"});
        if (::geteuid() != 0)
            QSKIP("A page of another owner needs root to make; checked as root");
        const QString theirs = path("theirs.htm");
        writeFile(theirs, "old");
        QVERIFY(::chown(QFile::encodeName(theirs).constData(), 1234, 1234) == 0);
        QVERIFY(::chmod(QFile::encodeName(theirs).constData(), 0666) == 0);
        QVERIFY(asPlainUser({}, [&] { return NativeFiles::write(theirs, "written by another user"); }));
        QCOMPARE(readFile(theirs), QByteArray("written by another user"));
        QCOMPARE(statOf(theirs).st_uid, uid_t(1234));
        QCOMPARE(statOf(theirs).st_gid, gid_t(1234));
    }

    // The disk fills up in the middle of the write: the old page stays
    // whole on either path, and no stray file is left.
    void aFailedWriteLeavesTheOldBytes()
    {
        QVERIFY(QDir(m_dir.path()).mkpath("full"));
        const QString page = path("full/page.htm"), linked = path("full/linked.htm");
        const QByteArray old(100000, 'o');
        writeFile(page, old);
        QVERIFY(!writeWithLimit(page, QByteArray(500000, 'n'), 200000));
        QCOMPARE(readFile(page), old);
        QCOMPARE(::link(QFile::encodeName(page).constData(), QFile::encodeName(linked).constData()), 0);
        QVERIFY(!writeWithLimit(page, QByteArray(500000, 'n'), 200000));
        QCOMPARE(readFile(page), old);
        QCOMPARE(statOf(page).st_nlink, nlink_t(2));
        QCOMPARE(QDir(path("full")).entryList(QDir::Files | QDir::Hidden), (QStringList{"linked.htm", "page.htm"}));
    }

    void protectedAndSpecialFilesAreRefused()
    {
        const QString locked = path("locked.htm");
        writeFile(locked, "original");
        QFile::setPermissions(locked, QFile::ReadOwner | QFile::ReadGroup);
        QVERIFY(!NativeFiles::write(locked, "new"));
        QCOMPARE(readFile(locked), QByteArray("original"));
        QVERIFY(!NativeFiles::write(m_dir.path(), "new"));
        QVERIFY(!NativeFiles::write(path("nowhere/page.htm"), "new"));
        const QString fifo = path("fifo");
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
        QVERIFY(!NativeFiles::write(fifo, "new"));
        QVERIFY(!NativeFiles::read(fifo));
    }
};

QTEST_GUILESS_MAIN(TestNativeFiles)
#include "tst_nativefiles.moc"
