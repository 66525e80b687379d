#pragma once

#include "ftpdiritem.h"

#include <QByteArrayView>
#include <QList>
#include <optional>

// Reading a folder listing as servers send it: the "ls -l" lines of Unix
// servers and of SFTP, or the DOS style of some Windows servers. Names keep
// every byte, leading blanks and tabs included.

// The entry one line describes; none for a line that describes none
// ("total 12", an empty line, a line of another style).
std::optional<FTPDirItem> parseListLine(QByteArrayView line);

// Gives each symbolic link the kind of what it points at: the entry of the
// same folder it names, if the listing has it; else a page when its name or
// target ends in ".htm", ".html", ".css" or ".txt"; any other is taken as a
// folder that may be none.
void resolveLinks(QList<FTPDirItem> &items);
