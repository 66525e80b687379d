#pragma once

#include "settingsstore.h"

#include <QString>

// The stored text of a value of the settings store, "" when it is missing.
inline QString storedValue(const char *name)
{
    RegKey key;
    const QString value = QLatin1String(name);
    return key.openRead() && key.valueExists(value) ? key.readString(value) : QString();
}
