#pragma once

#include "settingsschema.h"

#include <QString>
#include <array>

class RegKey;

// One stored FTP account.
struct FtpAccount {
    QString host;
    QString user;
    QString password;
    QString nick;
};

// The account table, filled at start-up: account number n at n - 1.
extern std::array<FtpAccount, Stored::accountHost.last()> g_accounts;

// Empties every host, then reads accounts 1 to the account count; stops
// with an AppError at a value of the wrong type.
void readAccounts(const RegKey &key);

// The account chosen with "Connect", read by the FTP window.
struct FtpConnection {
    QString host;
    QString user;
    QString password;
    int account = 0; // its number, 0 for none
};

extern FtpConnection g_connection;

// The number of valid accounts, 1 to this: the stored count kept to 0..5.
int accountCount();
// The account of number 1..5.
FtpAccount &account(int number);

// Adds an account after the last one and stores it; returns its number,
// 0 when all five are taken.
int addAccount(const FtpAccount &added);
// Replaces an account and stores it under the same number. A new host
// forgets the certificate and the encryption the old one had.
void replaceAccount(int number, const FtpAccount &replacement);
// Writes one account and the account count to the settings store. A store
// that cannot be written is left alone without a word; the account stays
// changed in memory for the rest of the run.
void saveAccount(int number);

// What an account knows of its server, kept in the settings store beside
// the account: the SHA-256 fingerprint of the certificate the user trusts,
// and whether it has connected encrypted, after which it never logs in
// without encryption.
// A store that cannot be read or written counts as knowing nothing.
QByteArray trustedCertificate(int number);
void trustCertificate(int number, const QByteArray &fingerprint);
bool connectedEncrypted(int number);
void markConnectedEncrypted(int number);
