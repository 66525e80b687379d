#pragma once

#include "settings.h"

#include <QString>

// The account chosen with "Connect", read by the FTP window.
struct FtpConnection {
    QString host;
    QString user;
    QString password;
};

extern FtpConnection g_connection;

// The number of valid accounts, 1 to this: the stored count kept to 0..5.
int accountCount();
// The account of number 1..5.
FtpAccount &account(int number);

// Adds an account after the last one and stores it; returns its number,
// 0 when all five are taken.
int addAccount(const FtpAccount &added);
// Replaces an account and stores it under the same number.
void replaceAccount(int number, const FtpAccount &replacement);
// Writes one account and the account count to the settings store. A store
// that cannot be written is left alone without a word; the account stays
// changed in memory for the rest of the run.
void saveAccount(int number);
