#pragma once

#include "settingsschema.h"

#include <QString>

// Program-wide settings, filled at start-up from the settings store and read
// directly by every part of the program.
struct Settings {
    QString lineBreakOption = Stored::lineBreakOption.fallback(); // "1": line break after the last line
    QString openDirectory = Stored::openFolder.fallback();
    QString fontName = Stored::fontName.fallback();
    qint32 fontSize = Stored::fontSize.fallback();
    QString saveDirectory = Stored::saveFolder.fallback();
    QString textDirectory = Stored::textFolder.fallback();
    qint32 accountCount = Stored::accountCount.fallback();
    bool tagsInstalled = false;
};

extern Settings g_settings;

// Resets the general values to their defaults.
void resetGeneralSettings();
// Reads the general values (VAR3 ... VAR10 and the tags-installed marker) in
// store order; stops with an AppError at a value of the wrong type.
void readGeneralSettings(const RegKey &key);
// Stores the general values; a store that cannot be written is left alone.
void saveGeneralSettings();
