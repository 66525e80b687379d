#include "ftpaccounts.h"

#include "apperror.h"
#include "settings.h"
#include "settingsstore.h"

std::array<FtpAccount, Stored::accountHost.last()> g_accounts;
FtpConnection g_connection;

namespace {

// The stored values of one account's fields.
struct AccountValues {
    Stored::Value<QString> host, user, password, nick;
};

AccountValues accountValues(int number)
{
    return {Stored::accountHost[number], Stored::accountUser[number], Stored::accountPassword[number],
            Stored::accountNick[number]};
}

// Runs `work` on the store's key opened for writing; silent when it cannot be.
template <typename Work>
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

// What `read` finds in the store; `fallback` when the store cannot be read.
template <typename T, typename Read>
T readStore(Read read, T fallback)
{
    try {
        RegKey key;
        return key.openRead() ? read(key) : fallback;
    } catch (const AppError &) {
        return fallback;
    }
}

} // namespace

void readAccounts(const RegKey &key)
{
    for (FtpAccount &entry : g_accounts)
        entry.host.clear();
    for (int number = 1; number <= accountCount(); ++number) {
        FtpAccount &entry = account(number);
        const AccountValues stored = accountValues(number);
        stored.host.readInto(key, entry.host);
        stored.user.readInto(key, entry.user);
        stored.password.readInto(key, entry.password);
        stored.nick.readInto(key, entry.nick);
    }
}

int accountCount()
{
    return qBound(0, g_settings.accountCount, int(g_accounts.size()));
}

FtpAccount &account(int number)
{
    return g_accounts[size_t(number - 1)];
}

int addAccount(const FtpAccount &added)
{
    const int number = accountCount() + 1;
    if (number > int(g_accounts.size()))
        return 0;
    g_settings.accountCount = number;
    account(number) = added;
    saveAccount(number);
    return number;
}

void replaceAccount(int number, const FtpAccount &replacement)
{
    const bool newHost = account(number).host != replacement.host;
    account(number) = replacement;
    saveAccount(number);
    if (newHost) {
        writeStore([number](RegKey &key) {
            Stored::trustedCertificate[number].remove(key);
            Stored::connectedEncrypted[number].remove(key);
        });
    }
}

void saveAccount(int number)
{
    const FtpAccount &saved = account(number);
    writeStore([&](RegKey &key) {
        const AccountValues stored = accountValues(number);
        stored.host.write(key, saved.host);
        stored.user.write(key, saved.user);
        stored.password.write(key, saved.password);
        stored.nick.write(key, saved.nick);
        Stored::accountCount.write(key, g_settings.accountCount);
    });
}

QByteArray trustedCertificate(int number)
{
    if (number <= 0)
        return {};
    return readStore(
        [number](const RegKey &key) {
            return QByteArray::fromHex(Stored::trustedCertificate[number].read(key).toLatin1());
        },
        QByteArray());
}

void trustCertificate(int number, const QByteArray &fingerprint)
{
    if (number > 0) {
        writeStore([&](RegKey &key) {
            Stored::trustedCertificate[number].write(key, QString::fromLatin1(fingerprint.toHex()));
        });
    }
}

bool connectedEncrypted(int number)
{
    return number > 0
           && readStore([number](const RegKey &key) { return Stored::connectedEncrypted[number].read(key) != 0; },
                        false);
}

void markConnectedEncrypted(int number)
{
    if (number > 0 && !connectedEncrypted(number))
        writeStore([number](RegKey &key) { Stored::connectedEncrypted[number].write(key, 1); });
}
