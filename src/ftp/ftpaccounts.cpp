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

void replaceAccount(int number, const FtpAccount &replacement)
{
    account(number) = replacement;
    saveAccount(number);
}

void saveAccount(int number)
{
    const FtpAccount &saved = account(number);
    const QString suffix = QString::number(number);
    try {
        RegKey key;
        if (!key.openWrite())
            return;
        key.writeString(QStringLiteral("HOST") + suffix, saved.host);
        key.writeString(QStringLiteral("NAME") + suffix, saved.user);
        key.writeString(QStringLiteral("PASS") + suffix, saved.password);
        key.writeString(QStringLiteral("NICK") + suffix, saved.nick);
        key.writeInteger(QStringLiteral("VAR10"), g_settings.accountCount);
        key.close();
    } catch (const AppError &) {
        // The account is kept for this run.
    }
}
