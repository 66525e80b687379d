#include "settingsstore.h"

#include "apperror.h"
#include "regformat.h"
#include "settingsschema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>
#include <cerrno>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

bool s_writesHeld = false;

// A second running copy holds the lock only while it reads and replaces
// the file.
constexpr int kLockWaitMs = 5000;

constexpr QFile::Permissions kOwnerOnly = QFile::ReadOwner | QFile::WriteOwner;
constexpr QFile::Permissions kGroupOrOther =
    QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;

enum class StoreRead { Missing, Read, Unreadable, Damaged };

StoreRead readStore(const QString &path, QByteArray &bytes, RegFormat::Document &document)
{
    const QFileInfo info(path);
    if (!info.exists())
        return StoreRead::Missing;
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        return StoreRead::Unreadable;
    bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return StoreRead::Unreadable;
    return document.parse(bytes) ? StoreRead::Read : StoreRead::Damaged;
}

// Replaces the file through a synced temporary file and a rename, so a
// failed write never leaves half a store. The file keeps its permissions
// (and a symbolic link its target); a new store, and any store that holds a
// password, is readable by its owner only.
bool replaceStore(const QString &path, const QByteArray &bytes, bool ownerOnly)
{
    const bool exists = QFileInfo::exists(path);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (!exists || ownerOnly)
        file.setPermissions(kOwnerOnly);
    return file.write(bytes) == bytes.size() && file.commit();
}

[[noreturn]] void invalidType(const QString &name)
{
    throw AppError(QStringLiteral("Invalid data type for '%1'").arg(name));
}

} // namespace

// An advisory lock on a file beside the store. The system drops it when
// its holder ends, so a copy that crashed leaves no stale lock behind, and
// taking it writes nothing to the disk.
class RegKey::Lock
{
public:
    explicit Lock(const QString &path)
        : m_fd(::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600))
    {
    }
    ~Lock()
    {
        if (m_fd >= 0)
            ::close(m_fd); // and with it the lock
    }
    Lock(const Lock &) = delete;
    Lock &operator=(const Lock &) = delete;

    bool tryLock(int waitMs)
    {
        if (m_fd < 0)
            return false;
        constexpr int kStepMs = 10;
        for (int waited = 0;; waited += kStepMs) {
            if (::flock(m_fd, LOCK_EX | LOCK_NB) == 0)
                return true;
            if (errno != EWOULDBLOCK || waited >= waitMs)
                return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(kStepMs));
        }
    }

private:
    int m_fd;
};

RegKey::RegKey() = default;

RegKey::~RegKey()
{
    try {
        close();
    } catch (const AppError &) {
        // A destructor cannot report; close() is called explicitly by writers.
    }
}

QString RegKey::storePath()
{
    const QString fromEnvironment = qEnvironmentVariable("QUENDEL_STORE");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/Varnholt/Quendel.reg");
}

void RegKey::holdWrites(bool held)
{
    s_writesHeld = held;
}

bool RegKey::openRead()
{
    close();
    m_path = storePath();
    auto document = std::make_unique<RegFormat::Document>();
    switch (readStore(m_path, m_original, *document)) {
    case StoreRead::Missing: return false;
    case StoreRead::Unreadable: throw AppError(QStringLiteral("The settings file %1 cannot be read.").arg(m_path));
    case StoreRead::Damaged:
        throw AppError(QStringLiteral("The settings file %1 is damaged and cannot be read; "
                                      "the default settings are used.")
                           .arg(m_path));
    case StoreRead::Read: break;
    }
    m_document = std::move(document);
    return true;
}

bool RegKey::openWrite()
{
    close();
    if (s_writesHeld)
        return false;
    m_path = storePath();
    if (!QDir().mkpath(QFileInfo(m_path).absolutePath()))
        return false;
    auto lock = std::make_unique<Lock>(m_path + QStringLiteral(".lock"));
    if (!lock->tryLock(kLockWaitMs))
        return false;
    // Like a key the user may not write to.
    const QFileInfo existing(m_path);
    if (existing.exists() && !existing.isWritable())
        return false;
    auto document = std::make_unique<RegFormat::Document>();
    m_original.clear();
    const StoreRead read = readStore(m_path, m_original, *document);
    // A damaged file is left alone rather than overwritten.
    if (read != StoreRead::Missing && read != StoreRead::Read)
        return false;
    m_lock = std::move(lock);
    m_document = std::move(document);
    m_firstWritten.clear();
    return true;
}

bool RegKey::valueExists(const QString &name) const
{
    return m_document && m_document->find(name);
}

QString RegKey::readString(const QString &name) const
{
    const RegFormat::Value *value = m_document ? m_document->find(name) : nullptr;
    if (!value || value->type != RegFormat::Value::Type::String)
        invalidType(name);
    return value->text;
}

qint32 RegKey::readInteger(const QString &name) const
{
    const RegFormat::Value *value = m_document ? m_document->find(name) : nullptr;
    if (!value || value->type != RegFormat::Value::Type::Dword)
        invalidType(name);
    return value->number;
}

void RegKey::writeString(const QString &name, const QString &value)
{
    if (!m_lock)
        return;
    if (m_firstWritten.isEmpty())
        m_firstWritten = name;
    m_document->setString(name, value);
}

void RegKey::writeInteger(const QString &name, qint32 value)
{
    if (!m_lock)
        return;
    if (m_firstWritten.isEmpty())
        m_firstWritten = name;
    m_document->setDword(name, value);
}

void RegKey::deleteValue(const QString &name)
{
    if (!m_lock)
        return;
    if (m_firstWritten.isEmpty())
        m_firstWritten = name;
    m_document->remove(name);
}

bool RegKey::holdsPassword() const
{
    const auto &values = m_document->values();
    return std::any_of(values.keyValueBegin(), values.keyValueEnd(), [](const auto &entry) {
        return Stored::accountPassword.hasForm(entry.first) && !entry.second.text.isEmpty();
    });
}

void RegKey::close()
{
    const std::unique_ptr<Lock> lock = std::move(m_lock);
    if (!lock) {
        m_document.reset();
        return;
    }
    const bool ownerOnly = holdsPassword();
    const std::unique_ptr<RegFormat::Document> document = std::move(m_document);
    const QByteArray bytes = document->bytes();
    const bool exposed = ownerOnly && (QFile::permissions(m_path) & kGroupOrOther);
    if (bytes == m_original && !exposed)
        return;
    if (!replaceStore(m_path, bytes, ownerOnly))
        throw AppError(QStringLiteral("Failed to set data for '%1'").arg(m_firstWritten));
}
