#pragma once

#include <QByteArray>
#include <QString>

// Local files of a transfer, named by paths that may carry bytes that are
// not UTF-8 (see bytetext.h) and opened by exactly those bytes.

// The file an upload reads.
class LocalSource
{
public:
    LocalSource() = default;
    LocalSource(const LocalSource &) = delete;
    LocalSource &operator=(const LocalSource &) = delete;
    ~LocalSource();

    bool open(const QString &path);
    qint64 size() const { return m_size; }
    qint64 read(char *data, qint64 bytes); // -1 on failure
    bool rewind();

private:
    int m_file = -1;
    qint64 m_size = 0;
};

// A download: written beside the target under a temporary name, it takes
// the target's place only once it is whole and on disk, so the old copy
// stays as it was until then. Dropped unless committed.
class LocalReplacement
{
public:
    LocalReplacement() = default;
    LocalReplacement(const LocalReplacement &) = delete;
    LocalReplacement &operator=(const LocalReplacement &) = delete;
    ~LocalReplacement();

    bool open(const QString &path);
    bool write(const char *data, qint64 bytes);
    bool commit();

private:
    int m_file = -1;
    QByteArray m_target;
    QByteArray m_temporary;
};
