#pragma once

#include <QString>
#include <optional>

// What the FTP window shows of a directory listing.

// The icon of a file the file list keeps: 0 for ".htm" and ".html", 1 for
// ".css", 2 for ".txt". The extension is the text from the last "." on and
// is compared exactly, case included; any other file is not listed.
std::optional<int> listedFileIcon(const QString &fileName);

// "1024 bytes" up to 1024 bytes, whole kilobytes above: 1025 bytes give "1 Kb".
QString sizeText(qint64 bytes);

// The order of the file list: by name regardless of case, then by case.
bool fileNameLess(const QString &a, const QString &b);

// Entries that stand for the folder itself or its parent; the window puts
// its own "../" in their place.
bool isDotEntry(const QString &name);
