#pragma once

// Steps of the component's tests: each runs one command to its end.

#include "ftpclient.h"

#include <QDir>
#include <QSignalSpy>
#include <QTest>

struct Error {
    int number = 0;
    QString text;
};

// Runs one command to its end; the last error, if any.
inline Error finish(TFTP &ftp, const std::function<void()> &command)
{
    Error error;
    QObject context;
    QObject::connect(&ftp, &TFTP::OnError, &context, [&error](int number, const QString &text) {
        error = {number, text};
    });
    command();
    if (!QTest::qWaitFor([&ftp] { return !ftp.busy(); }, 120000))
        return {-2, QStringLiteral("still busy")};
    QTest::qWait(0); // queued confirmations
    return error;
}

inline Error logIn(TFTP &ftp, const QString &host, const QString &password = QStringLiteral("secret"),
                   const QString &user = QStringLiteral("user"))
{
    QSignalSpy wanted(&ftp, &TFTP::OnProtocolStateChanged);
    ftp.connectToHost(host, TFTP::kStandardPort);
    if (!wanted.wait(10000) || wanted.first().first().toInt() != TFTP::LoginWanted)
        return {-1, QStringLiteral("no log-in wanted")};
    return finish(ftp, [&] { ftp.authenticate(user, password); });
}

inline QList<FTPDirItem> listing(TFTP &ftp)
{
    QList<FTPDirItem> items;
    QObject context;
    QObject::connect(&ftp, &TFTP::OnListItem, &context, [&items](const FTPDirItem &item) { items << item; });
    finish(ftp, [&] { ftp.list(); });
    std::sort(items.begin(), items.end(),
              [](const FTPDirItem &a, const FTPDirItem &b) { return a.fileName < b.fileName; });
    return items;
}

inline QStringList names(const QList<FTPDirItem> &items)
{
    QStringList list;
    for (const FTPDirItem &item : items)
        list << item.fileName + (item.kind == FTPDirItem::Directory ? "/" : "");
    return list;
}

inline QByteArray pattern(qsizetype size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = char((i * 7 + i / 251) & 0xff);
    return bytes;
}

inline QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden);
}
