#pragma once

#include "ftptrust.h"

#include <QByteArray>
#include <curl/curl.h>

struct x509_store_ctx_st;

// What a command may trust at the other end.
struct PeerTrust {
    QByteArray host;               // the name the certificate must carry
    QByteArray trustedCertificate; // SHA-256 of a certificate the account trusts
    QByteArray knownHosts;         // the known_hosts file's path
    QByteArray acceptedHostKey;    // a host key accepted for this session only
};

// Checks who is at the other end before a user name or password goes out:
// a TLS certificate against the system's authorities and the host name,
// or the one certificate the account trusts; an SSH host key against
// known_hosts. A server that fails ends the handshake, and what it showed
// is kept for the question to the user.
class PeerCheck
{
public:
    // Sets libcurl's options for the next command; `trust` must outlive it.
    void apply(CURL *curl, const PeerTrust &trust);

    bool tlsStarted() const { return m_tlsStarted; }
    // What the server showed when it was refused; kind None otherwise.
    const PeerIdentity &refused() const { return m_refused; }

private:
    static CURLcode sslContext(CURL *curl, void *context, void *self);
    static int verify(int ok, x509_store_ctx_st *store);
    static int sshKey(CURL *curl, const curl_khkey *known, const curl_khkey *found, curl_khmatch match, void *self);

    const PeerTrust *m_trust = nullptr;
    bool m_tlsStarted = false;
    PeerIdentity m_refused;
};
