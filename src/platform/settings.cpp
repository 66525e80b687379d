#include "settings.h"

#include "settingsstore.h"

Settings g_settings;

void resetGeneralSettings()
{
    const bool tagsInstalled = g_settings.tagsInstalled;
    g_settings = Settings();
    g_settings.tagsInstalled = tagsInstalled;
}

void readGeneralSettings(const RegKey &key)
{
    Stored::lineBreakOption.readInto(key, g_settings.lineBreakOption);
    Stored::openFolder.readInto(key, g_settings.openDirectory);
    Stored::fontName.readInto(key, g_settings.fontName);
    Stored::fontSize.readInto(key, g_settings.fontSize);
    if (Stored::tagsInstalled.exists(key))
        g_settings.tagsInstalled = true;
    Stored::saveFolder.readInto(key, g_settings.saveDirectory);
    Stored::textFolder.readInto(key, g_settings.textDirectory);
    Stored::accountCount.readInto(key, g_settings.accountCount);
}

void saveGeneralSettings()
{
    RegKey key;
    if (!key.openWrite())
        return;
    // Every value it writes goes first, and with them the obsolete ones.
    const Stored::Name *const deleted[] = {&Stored::obsoleteValue1, &Stored::obsoleteValue2, &Stored::lineBreakOption,
                                           &Stored::openFolder,     &Stored::fontName,       &Stored::fontSize,
                                           &Stored::saveFolder,     &Stored::textFolder};
    for (const Stored::Name *old : deleted) {
        if (old->exists(key))
            old->remove(key);
    }
    Stored::lineBreakOption.write(key, g_settings.lineBreakOption);
    Stored::openFolder.write(key, g_settings.openDirectory);
    Stored::fontName.write(key, g_settings.fontName);
    Stored::fontSize.write(key, g_settings.fontSize);
    Stored::saveFolder.write(key, g_settings.saveDirectory);
    Stored::textFolder.write(key, g_settings.textDirectory);
    key.close();
}
