#pragma once

#include "settings.h"

#include <QString>

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
// the account: the SHA-256 fingerprint of the certificate the user trusts
// ("CERT" + number, in hex), and whether it has connected encrypted
// ("SECURE" + number), after which it never logs in without encryption.
// A store that cannot be read or written counts as knowing nothing.
QByteArray trustedCertificate(int number);
void trustCertificate(int number, const QByteArray &fingerprint);
bool connectedEncrypted(int number);
void markConnectedEncrypted(int number);
