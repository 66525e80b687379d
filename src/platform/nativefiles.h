#pragma once

#include <QString>

// Files and folders named by paths that may carry bytes which are not
// UTF-8 (see bytetext.h): an old site's "/home/me/\xdcbungen" is found and
// made under its own name. An empty path names nothing.
namespace NativeFiles {

bool exists(const QString &path);
bool isDirectory(const QString &path);
// Makes the folder with every missing parent; true when it is a folder then.
bool makeDirectories(const QString &path);

} // namespace NativeFiles
