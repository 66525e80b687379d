#pragma once

#include "support/scripted.h"

#include <QColor>

// The shared scripted dialogs, answering the colour dialog too.
class ScriptedColourDialogs : public ScriptedDialogs
{
public:
    QColor chosenColour; // invalid: cancelled
    QList<int> colourHelpContexts;

    QColor color(const QColor &, int helpContext) override
    {
        colourHelpContexts << helpContext;
        return chosenColour;
    }
};
