#include "peercheck.h"

#include <QCryptographicHash>

#include <openssl/ssl.h>
#include <openssl/x509v3.h>

#include <memory>

namespace {

// Where each TLS context keeps its PeerCheck.
int checkIndex()
{
    static const int index = SSL_CTX_get_ex_new_index(0, nullptr, nullptr, nullptr, nullptr);
    return index;
}

QString nameText(const X509_NAME *name)
{
    const std::unique_ptr<BIO, decltype(&BIO_free)> out(BIO_new(BIO_s_mem()), BIO_free);
    X509_NAME_print_ex(out.get(), name, 0, XN_FLAG_RFC2253);
    char *data = nullptr;
    const long length = BIO_get_mem_data(out.get(), &data);
    return QString::fromUtf8(data, qsizetype(length));
}

QString timeText(const ASN1_TIME *time)
{
    const std::unique_ptr<BIO, decltype(&BIO_free)> out(BIO_new(BIO_s_mem()), BIO_free);
    ASN1_TIME_print(out.get(), time);
    char *data = nullptr;
    const long length = BIO_get_mem_data(out.get(), &data);
    return QString::fromLatin1(data, qsizetype(length));
}

QByteArray certificateFingerprint(X509 *certificate)
{
    unsigned char *der = nullptr;
    const int length = i2d_X509(certificate, &der);
    if (length <= 0)
        return {};
    const QByteArray digest = QCryptographicHash::hash(QByteArrayView(reinterpret_cast<const char *>(der), length),
                                                       QCryptographicHash::Sha256);
    OPENSSL_free(der);
    return digest;
}

} // namespace

void PeerCheck::apply(CURL *curl, const PeerTrust &trust)
{
    m_trust = &trust;
    m_tlsStarted = false;
    m_refused = {};
    // libcurl loads the system's authorities, unless the account trusts one
    // certificate, which then needs none; the host name is checked in the
    // handshake itself (see sslContext), so that a trusted certificate may
    // carry another name.
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, trust.trustedCertificate.isEmpty() ? 1L : 0L);
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, 0L);
    curl_easy_setopt(curl, CURLOPT_SSL_CTX_FUNCTION, sslContext);
    curl_easy_setopt(curl, CURLOPT_SSL_CTX_DATA, this);
    curl_easy_setopt(curl, CURLOPT_SSH_KNOWNHOSTS, trust.knownHosts.constData());
    curl_easy_setopt(curl, CURLOPT_SSH_KEYFUNCTION, sshKey);
    curl_easy_setopt(curl, CURLOPT_SSH_KEYDATA, this);
}

CURLcode PeerCheck::sslContext(CURL *, void *context, void *self)
{
    auto *check = static_cast<PeerCheck *>(self);
    auto *tls = static_cast<SSL_CTX *>(context);
    check->m_tlsStarted = true;
    SSL_CTX_set_ex_data(tls, checkIndex(), check);
    X509_VERIFY_PARAM *parameters = SSL_CTX_get0_param(tls);
    const QByteArray host = check->m_trust->host;
    if (X509_VERIFY_PARAM_set1_ip_asc(parameters, host.constData()) != 1)
        X509_VERIFY_PARAM_set1_host(parameters, host.constData(), size_t(host.size()));
    SSL_CTX_set_verify(tls, SSL_VERIFY_PEER, verify);
    return CURLE_OK;
}

int PeerCheck::verify(int ok, X509_STORE_CTX *store)
{
    const auto *ssl = static_cast<const SSL *>(X509_STORE_CTX_get_ex_data(store, SSL_get_ex_data_X509_STORE_CTX_idx()));
    auto *check = static_cast<PeerCheck *>(SSL_CTX_get_ex_data(SSL_get_SSL_CTX(ssl), checkIndex()));
    X509 *certificate = X509_STORE_CTX_get0_cert(store);
    if (!check || !certificate)
        return 0;
    const QByteArray trusted = check->m_trust->trustedCertificate;
    const QByteArray fingerprint = certificateFingerprint(certificate);
    if (!trusted.isEmpty()) {
        // The account trusts one certificate, and that one only.
        if (fingerprint == trusted) {
            X509_STORE_CTX_set_error(store, X509_V_OK);
            return 1;
        }
        ok = 0;
    }
    if (ok)
        return 1;
    if (check->m_refused.kind == PeerIdentity::Kind::None) {
        PeerIdentity &seen = check->m_refused;
        seen.kind = PeerIdentity::Kind::Certificate;
        seen.changed = !trusted.isEmpty();
        seen.subject = nameText(X509_get_subject_name(certificate));
        seen.issuer = nameText(X509_get_issuer_name(certificate));
        seen.validFrom = timeText(X509_get0_notBefore(certificate));
        seen.validUntil = timeText(X509_get0_notAfter(certificate));
        seen.reason = QString::fromUtf8(X509_verify_cert_error_string(X509_STORE_CTX_get_error(store)));
        seen.fingerprint = fingerprint;
    }
    return 0;
}

int PeerCheck::sshKey(CURL *, const curl_khkey *, const curl_khkey *found, curl_khmatch match, void *self)
{
    auto *check = static_cast<PeerCheck *>(self);
    if (match == CURLKHMATCH_OK)
        return CURLKHSTAT_FINE;
    const QByteArray key =
        found->len ? QByteArray(found->key, qsizetype(found->len)) : QByteArray::fromBase64(QByteArray(found->key));
    if (match == CURLKHMATCH_MISSING && !key.isEmpty() && key == check->m_trust->acceptedHostKey)
        return CURLKHSTAT_FINE;
    check->m_refused.kind = PeerIdentity::Kind::HostKey;
    check->m_refused.changed = match == CURLKHMATCH_MISMATCH;
    check->m_refused.hostKey = key;
    check->m_refused.fingerprint = QCryptographicHash::hash(key, QCryptographicHash::Sha256);
    return CURLKHSTAT_REJECT;
}
