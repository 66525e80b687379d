#include "ftpaccounts.h"

#include "apperror.h"
#include "settingsstore.h"

FtpConnection g_connection;

int accountCount()
{
    return qBound(0, g_settings.accountCount, int(g_settings.accounts.size()));
}

FtpAccount &account(int number)
{
    return g_settings.accounts[size_t(number - 1)];
}

int addAccount(const FtpAccount &added)
{
    const int number = accountCount() + 1;
    if (number > int(g_settings.accounts.size()))
        return 0;
    g_settings.accountCount = number;
    account(number) = added;
    saveAccount(number);
    return number;
}

namespace {

QString certificateValue(int number)
{
    return QStringLiteral("CERT") + QString::number(number);
}

QString secureValue(int number)
{
    return QStringLiteral("SECURE") + QString::number(number);
}

// Runs `work` on the store's key opened for writing; silent when it cannot be.
template<typename Work>
void writeStore(Work work)
{
    try {
        RegKey key;
        if (!key.openWrite())
            return;
        work(key);
        key.close();
    } catch (const AppError &) {
        // Kept for this run only, as an account is.
    }
}

} // namespace

void replaceAccount(int number, const FtpAccount &replacement)
{
    const bool newHost = account(number).host != replacement.host;
    account(number) = replacement;
    saveAccount(number);
    if (newHost) {
        writeStore([number](RegKey &key) {
            key.deleteValue(certificateValue(number));
            key.deleteValue(secureValue(number));
        });
    }
}

void saveAccount(int number)
{
    const FtpAccount &saved = account(number);
    const QString suffix = QString::number(number);
    writeStore([&](RegKey &key) {
        key.writeString(QStringLiteral("HOST") + suffix, saved.host);
        key.writeString(QStringLiteral("NAME") + suffix, saved.user);
        key.writeString(QStringLiteral("PASS") + suffix, saved.password);
        key.writeString(QStringLiteral("NICK") + suffix, saved.nick);
        key.writeInteger(QStringLiteral("VAR10"), g_settings.accountCount);
    });
}

QByteArray trustedCertificate(int number)
{
    try {
        RegKey key;
        if (number > 0 && key.openRead() && key.valueExists(certificateValue(number)))
            return QByteArray::fromHex(key.readString(certificateValue(number)).toLatin1());
    } catch (const AppError &) {
    }
    return {};
}

void trustCertificate(int number, const QByteArray &fingerprint)
{
    if (number > 0) {
        writeStore([&](RegKey &key) {
            key.writeString(certificateValue(number), QString::fromLatin1(fingerprint.toHex()));
        });
    }
}

bool connectedEncrypted(int number)
{
    try {
        RegKey key;
        return number > 0 && key.openRead() && key.valueExists(secureValue(number))
               && key.readInteger(secureValue(number)) != 0;
    } catch (const AppError &) {
        return false;
    }
}

void markConnectedEncrypted(int number)
{
    if (number > 0 && !connectedEncrypted(number))
        writeStore([number](RegKey &key) { key.writeInteger(secureValue(number), 1); });
}
