#pragma once

#include <QString>
#include <memory>

class QSettings;

// One access to the settings store: open the key, work, close it again.
// The store is a single file in registry-export format (see regformat.h),
// read and written through QSettings, which caches it, locks it against a
// second running copy and replaces it atomically.
class RegKey
{
public:
    RegKey();
    ~RegKey(); // closes the key
    RegKey(const RegKey &) = delete;
    RegKey &operator=(const RegKey &) = delete;

    // The file behind the key: $QUENDEL_STORE, else Varnholt/Quendel.reg in
    // the user's configuration folder.
    static QString storePath();

    // Opens an existing key for reading; false when there is none.
    // Throws AppError when the file is there but cannot be read or parsed.
    bool openRead();
    // Opens the key for writing, creating the file (owner-only) and its
    // folder when missing; false when that cannot be done.
    bool openWrite();

    bool valueExists(const QString &name) const;
    QString readString(const QString &name) const;   // throws AppError
    qint32 readInteger(const QString &name) const;   // throws AppError
    void writeString(const QString &name, const QString &value);
    void writeInteger(const QString &name, qint32 value);
    void deleteValue(const QString &name);
    // Writes the changes back; throws AppError when they could not be stored.
    void close();

private:
    std::unique_ptr<QSettings> m_settings;
    QString m_firstWritten;
};
