#pragma once

#include <QString>
#include <array>

// Program-wide settings, filled at start-up from the settings store and read
// directly by every part of the program.
struct FtpAccount {
    QString host;
    QString user;
    QString password;
    QString nick;
};

// Where the file dialogs start until the user chooses: the home folder.
QString homeDirectory();

struct Settings {
    QString lineBreakOption = QStringLiteral("0"); // "1": line break after the last line
    QString openDirectory = homeDirectory();
    QString fontName = QStringLiteral("MS Sans Seriff");
    qint32 fontSize = 10;
    QString saveDirectory = homeDirectory();
    QString textDirectory = homeDirectory();
    qint32 accountCount = 0;
    bool tagsInstalled = false;
    std::array<FtpAccount, 5> accounts;
};

extern Settings g_settings;

class RegKey;

// Resets the general values to their defaults.
void resetGeneralSettings();
// Reads the general values (VAR3 ... VAR10 and the tags-installed marker) in
// store order; stops with an AppError at a value of the wrong type. A stored
// starting directory of "c:\" is the home folder.
void readGeneralSettings(const RegKey &key);
// Reads accounts 1 to the account count.
void readAccounts(const RegKey &key);
// Stores the general values; a store that cannot be written is left alone.
void saveGeneralSettings();
