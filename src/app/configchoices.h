#pragma once

#include <QString>

// What the configuration window edits, apart from its widgets.
struct ConfigChoices {
    bool lineBreakAfterLastLine = false;
    QString openDirectory;
    QString saveDirectory;
    QString textDirectory;
    bool saveAsDefault = false;
};

// The window's starting values, from the program's settings.
ConfigChoices currentConfigChoices();

// "Ok": takes the choices into the settings, asking to create each missing
// directory, and stores them when asked to. Returns false, with an error box
// shown, when a directory the user agreed to create cannot be made; the
// window then stays open and the later steps do not run.
bool applyConfigChoices(const ConfigChoices &choices);
