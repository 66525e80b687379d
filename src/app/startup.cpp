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
    std::vector<int> repairs;
    for (int n = 1; n <= TagTable::kSlots; ++n) {
        if (g_tags.slot(n).opening.isEmpty())
            repairs.push_back(n);
    }
    repairs.push_back(39);
    resetTags(repairs); // one write of the store, not one per slot
}
