#pragma once

#include <QString>
#include <memory>

namespace RegFormat {
class Document;
}

// One access to the settings store: open the key, work, close it again.
// The store is a single file in registry-export format (see regformat.h).
// A write access locks the file against a second running copy, reads it
// afresh, changes only the values written and replaces the file atomically
// on close.
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

    // After a load that stopped part-way the program's settings are partly
    // defaults: writing them would overwrite what the user stored, so no
    // write access is granted until the next load.
    static void holdWrites(bool held);

    // Opens an existing key for reading; false when there is none.
    // Throws AppError when the file is there but cannot be read or parsed.
    bool openRead();
    // Opens the key for writing, creating the file (owner-only) and its
    // folder when missing; false when that cannot be done, when the file is
    // damaged or while writes are held.
    bool openWrite();

    bool valueExists(const QString &name) const;
    QString readString(const QString &name) const; // throws AppError
    qint32 readInteger(const QString &name) const; // throws AppError
    void writeString(const QString &name, const QString &value);
    void writeInteger(const QString &name, qint32 value);
    void deleteValue(const QString &name);
    // Stores the changes; throws AppError when they could not be stored.
    void close();

private:
    class Lock;
    bool holdsPassword() const;

    std::unique_ptr<RegFormat::Document> m_document;
    std::unique_ptr<Lock> m_lock; // held from openWrite to close
    QString m_path;
    QByteArray m_original;
    QString m_firstWritten;
};
