#pragma once

#include <QString>

// Hands addresses and files to the desktop, which opens them with the
// user's browser or the program associated with the file's type. Nothing
// is checked and no failure is reported: the desktop shows its own.
namespace Desktop {

void openAddress(const QString &address);
void openFile(const QString &path); // relative to the working directory, or absolute

} // namespace Desktop
