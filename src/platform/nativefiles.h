#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The file system as the program's paths name it. A path may carry bytes
// that are not UTF-8 (a Latin-1 "caf\xe9.html", see bytetext.h); Qt's file
// classes would turn those into U+FFFD and miss the file, so everything here
// works in POSIX calls on the path's own bytes. An empty path names
// nothing.
namespace NativeFiles {

bool exists(const QString &path);
bool isFile(const QString &path); // a regular file, links followed
bool isDirectory(const QString &path);
// Creates the folder with every missing parent; true when it is there.
bool makeDirectories(const QString &path);

// The whole file; nothing when it cannot be read or is no regular file.
std::optional<QByteArray> read(const QString &path);

// Replaces the file's contents, so that it holds either its old bytes or
// all of the new ones, also after a full disk or a crash. Refuses a folder,
// a special file and a file whose owner may not write it (the user's
// protection). Symbolic links are followed: the target gets the bytes.
//
// Where it is safe the new bytes go into a new file that replaces the old
// one by a rename. A file that has more than one name, whose folder we may
// not write, or whose owner or group we could not give to a new file is
// written in place instead, with its old bytes kept in memory and written
// back if any step fails. Owner, group and mode stay as they were.
bool write(const QString &path, const QByteArray &bytes);

// The folder part of a path: "." for a bare name, "/" for the root's files.
QString folderOf(const QString &path);
QByteArray nativeFolderOf(const QByteArray &nativePath);

// The path made absolute against the working directory, without "." and
// ".." parts.
QString absolute(const QString &path);

// A file:// address of the path, its bytes percent-encoded.
QByteArray fileUrl(const QString &path);

// A path as Qt's file dialogs hand it back, each byte of a name that is
// not UTF-8 shown as U+FFFD, made into the path that names the file: each
// such part of it is looked up in its folder. A part that matches no entry,
// or more than one, stays as it is.
QString recoverDecodedPath(const QString &decoded);

// Writes all the bytes at the descriptor's position, through short and
// interrupted writes; false when the file system refuses some.
bool writeFully(int fd, const char *data, qint64 size);

} // namespace NativeFiles
