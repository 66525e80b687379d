#pragma once

#include <QByteArray>
#include <QString>

// One entry of a directory listing.
struct FTPDirItem {
    enum Kind { Directory = 1, File = 2 };
    QString fileName; // the server's bytes, carried (see bytetext.h)
    qint64 size = 0;  // bytes
    int kind = File;
    QByteArray serverName; // the name as the server spells it
    QByteArray linkTarget; // what a symbolic link points at, as listed
    // A link whose target the listing does not tell: taken as a folder,
    // and a failure to enter it is no failure of the connection.
    bool maybeFolder = false;
};
