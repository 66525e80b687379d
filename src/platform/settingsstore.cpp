#include "settingsstore.h"

#include "apperror.h"
#include "regformat.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <fcntl.h>
#include <unistd.h>

namespace {

bool readStore(QIODevice &device, QSettings::SettingsMap &map)
{
    RegFormat::Values values;
    if (!RegFormat::parse(device.readAll(), values))
        return false;
    for (auto it = values.constBegin(); it != values.constEnd(); ++it)
        map.insert(it.key(), it.value());
    return true;
}

bool writeStore(QIODevice &device, const QSettings::SettingsMap &map)
{
    RegFormat::Values values;
    for (auto it = map.constBegin(); it != map.constEnd(); ++it)
        values.insert(it.key(), it.value());
    const QByteArray text = RegFormat::write(values);
    return device.write(text) == text.size();
}

QSettings::Format storeFormat()
{
    static const QSettings::Format format =
        QSettings::registerFormat(QStringLiteral("reg"), readStore, writeStore, Qt::CaseInsensitive);
    return format;
}

// Creates the store file readable and writable by its owner only; the
// atomic replacement that QSettings does later keeps these permissions.
bool createPrivateFile(const QString &path)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return QFileInfo(path).isFile();
    ::close(fd);
    return true;
}

// QSettings remembers a file it could not parse only until the next
// instance, so every access checks the file itself before trusting it.
bool parsesCleanly(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    RegFormat::Values values;
    return RegFormat::parse(file.readAll(), values);
}

[[noreturn]] void invalidType(const QString &name)
{
    throw AppError(QStringLiteral("Invalid data type for '%1'").arg(name));
}

} // namespace

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

bool RegKey::openRead()
{
    const QString path = storePath();
    const QFileInfo info(path);
    if (!info.exists())
        return false;
    if (!info.isFile() || !info.isReadable())
        throw AppError(QStringLiteral("The settings file %1 cannot be read.").arg(path));
    if (!parsesCleanly(path))
        throw AppError(QStringLiteral("The settings file %1 is damaged and cannot be read; "
                                      "the default settings are used.").arg(path));
    m_settings = std::make_unique<QSettings>(path, storeFormat());
    return true;
}

bool RegKey::openWrite()
{
    const QString path = storePath();
    // A damaged file is left alone rather than overwritten.
    if (!createPrivateFile(path) || !parsesCleanly(path))
        return false;
    m_settings = std::make_unique<QSettings>(path, storeFormat());
    if (m_settings->status() != QSettings::NoError || !m_settings->isWritable()) {
        m_settings.reset();
        return false;
    }
    return true;
}

bool RegKey::valueExists(const QString &name) const
{
    return m_settings && m_settings->contains(name);
}

QString RegKey::readString(const QString &name) const
{
    const QVariant value = m_settings ? m_settings->value(name) : QVariant();
    if (value.typeId() != QMetaType::QString)
        invalidType(name);
    return value.toString();
}

qint32 RegKey::readInteger(const QString &name) const
{
    const QVariant value = m_settings ? m_settings->value(name) : QVariant();
    if (value.typeId() != QMetaType::Int)
        invalidType(name);
    return value.toInt();
}

void RegKey::writeString(const QString &name, const QString &value)
{
    if (!m_settings)
        return;
    if (m_firstWritten.isEmpty())
        m_firstWritten = name;
    m_settings->setValue(name, value);
}

void RegKey::writeInteger(const QString &name, qint32 value)
{
    if (!m_settings)
        return;
    if (m_firstWritten.isEmpty())
        m_firstWritten = name;
    m_settings->setValue(name, value);
}

void RegKey::deleteValue(const QString &name)
{
    if (m_settings)
        m_settings->remove(name);
}

void RegKey::close()
{
    if (!m_settings)
        return;
    std::unique_ptr<QSettings> settings = std::move(m_settings);
    settings->sync();
    if (settings->status() != QSettings::NoError && !m_firstWritten.isEmpty())
        throw AppError(QStringLiteral("Failed to set data for '%1'").arg(m_firstWritten));
}
