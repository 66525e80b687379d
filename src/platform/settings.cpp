#include "settings.h"

#include "settingsstore.h"

#include <QDir>

Settings g_settings;

QString homeDirectory()
{
    return QDir::homePath();
}

void resetGeneralSettings()
{
    const bool tagsInstalled = g_settings.tagsInstalled;
    const auto accounts = g_settings.accounts;
    g_settings = Settings();
    g_settings.tagsInstalled = tagsInstalled;
    g_settings.accounts = accounts;
}

void readGeneralSettings(const RegKey &key)
{
    auto readString = [&key](const char *name, QString &into) {
        if (key.valueExists(QLatin1String(name)))
            into = key.readString(QLatin1String(name));
    };
    auto readInteger = [&key](const char *name, qint32 &into) {
        if (key.valueExists(QLatin1String(name)))
            into = key.readInteger(QLatin1String(name));
    };
    // Earlier versions stored the Windows default for a directory the user
    // never chose; here it would name a folder "c:\" in the current one.
    auto readDirectory = [&readString](const char *name, QString &into) {
        readString(name, into);
        if (into == QLatin1String("c:\\"))
            into = homeDirectory();
    };
    readString("VAR3", g_settings.lineBreakOption);
    readDirectory("VAR4", g_settings.openDirectory);
    readString("VAR5", g_settings.fontName);
    readInteger("VAR6", g_settings.fontSize);
    if (key.valueExists(QStringLiteral("tagsins")))
        g_settings.tagsInstalled = true;
    readDirectory("VAR8", g_settings.saveDirectory);
    readDirectory("VAR9", g_settings.textDirectory);
    readInteger("VAR10", g_settings.accountCount);
}

void readAccounts(const RegKey &key)
{
    for (FtpAccount &account : g_settings.accounts)
        account.host.clear();
    const int count = qBound(0, g_settings.accountCount, int(g_settings.accounts.size()));
    for (int i = 1; i <= count; ++i) {
        FtpAccount &account = g_settings.accounts[i - 1];
        const std::pair<const char *, QString *> fields[] = {
            {"HOST", &account.host}, {"NAME", &account.user},
            {"PASS", &account.password}, {"NICK", &account.nick}};
        for (const auto &[prefix, field] : fields) {
            const QString name = QLatin1String(prefix) + QString::number(i);
            if (key.valueExists(name))
                *field = key.readString(name);
        }
    }
}

void saveGeneralSettings()
{
    RegKey key;
    if (!key.openWrite())
        return;
    for (const char *name : {"VAR1", "VAR2", "VAR3", "VAR4", "VAR5", "VAR6", "VAR8", "VAR9"}) {
        if (key.valueExists(QLatin1String(name)))
            key.deleteValue(QLatin1String(name));
    }
    key.writeString(QStringLiteral("VAR3"), g_settings.lineBreakOption);
    key.writeString(QStringLiteral("VAR4"), g_settings.openDirectory);
    key.writeString(QStringLiteral("VAR5"), g_settings.fontName);
    key.writeInteger(QStringLiteral("VAR6"), g_settings.fontSize);
    key.writeString(QStringLiteral("VAR8"), g_settings.saveDirectory);
    key.writeString(QStringLiteral("VAR9"), g_settings.textDirectory);
    key.close();
}
