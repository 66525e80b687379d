#pragma once

#include <QByteArray>
#include <QString>

// Who a server showed itself to be when it was not trusted: its TLS
// certificate, or its SSH host key.
struct PeerIdentity {
    enum class Kind { None, Certificate, HostKey };
    Kind kind = Kind::None;
    bool changed = false; // not the certificate or key trusted before
    // A certificate's names, dates and why it failed the check.
    QString subject, issuer, validFrom, validUntil, reason;
    QByteArray hostKey;     // an SSH host key as the server sent it
    QByteArray fingerprint; // SHA-256 of the certificate (DER) or of the key
};

// "AB:CD:..." for a certificate, "SHA256:<base64>" (as ssh shows it) for a host key.
QString fingerprintText(const PeerIdentity &identity);
QString fingerprintText(PeerIdentity::Kind kind, const QByteArray &sha256);

// The question before anything is sent to a server that is not trusted;
// `trusted` is the fingerprint the account trusted before, if any. Yes trusts it.
QString trustQuestion(const PeerIdentity &identity, const QByteArray &trusted);
// The warning for a host key that is not the one known_hosts holds.
QString changedHostKeyWarning(const PeerIdentity &identity);
// The message for an account that has connected encrypted before when the
// server offers no encryption now.
QString encryptionRefusedMessage();

// A host key's type as its blob names it ("ssh-ed25519").
QByteArray hostKeyType(const QByteArray &blob);
// The host as known_hosts names it: "host", or "[host]:port" off port 22.
QByteArray knownHostName(const QString &host, int port);
// Adds a host's key at the end of a known_hosts file, making the file and
// its folder (owner-only) when missing; false when it cannot be written.
bool addKnownHost(const QString &path, const QByteArray &hostName, const QByteArray &key);
