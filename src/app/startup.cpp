#include "startup.h"

#include "apperror.h"
#include "ftpaccounts.h"
#include "settings.h"
#include "settingsstore.h"
#include "tagtable.h"

void loadAllSettings()
{
    resetGeneralSettings();
    RegKey::holdWrites(false);
    try {
        RegKey key;
        if (!key.openRead())
            return;
        readGeneralSettings(key);
        clearOpeningTexts();
        if (g_settings.tagsInstalled)
            readTags(key);
        readAccounts(key);
    } catch (const AppError &) {
        // What was not read holds defaults or nothing; writing it back would
        // replace the user's stored values, which stay for the next start.
        RegKey::holdWrites(true);
        throw;
    }
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
