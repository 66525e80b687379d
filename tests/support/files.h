#pragma once

// Reading and writing whole files in tests.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTest>

#include <cstdio>
#include <dirent.h>
#include <ftw.h>

// The file's bytes; empty when it cannot be read.
inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes the bytes, failing the running test when the file cannot be made.
inline void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Puts the bytes into a file, making its folders; its path.
inline QString putFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
    return path;
}

// Removes what a folder holds, also names that are not UTF-8, which Qt's
// temporary folders cannot remove.
inline void removeContents(const QString &folder)
{
    nftw(
        QFile::encodeName(folder).constData(),
        [](const char *path, const struct stat *, int, FTW *place) { return place->level > 0 ? std::remove(path) : 0; },
        16, FTW_DEPTH | FTW_PHYS);
}

// The names in a folder as the file system holds them, "." and ".." left out.
inline QList<QByteArray> nativeNames(const QString &folder)
{
    QList<QByteArray> names;
    if (DIR *dir = opendir(QFile::encodeName(folder).constData())) {
        while (const dirent *entry = readdir(dir)) {
            if (qstrcmp(entry->d_name, ".") != 0 && qstrcmp(entry->d_name, "..") != 0)
                names << entry->d_name;
        }
        closedir(dir);
    }
    return names;
}
