#include "startup.h"

#include "settings.h"
#include "settingsstore.h"
#include "tagtable.h"

void loadAllSettings()
{
    resetGeneralSettings();
    RegKey key;
    if (!key.openRead())
        return;
    readGeneralSettings(key);
    clearOpeningTexts();
    if (g_settings.tagsInstalled)
        readTags(key);
    readAccounts(key);
}

void repairTagTable()
{
    for (int n = 1; n <= TagTable::kSlots; ++n) {
        if (g_tags.slot(n).opening.isEmpty())
            resetTag(n);
    }
    resetTag(39);
}
