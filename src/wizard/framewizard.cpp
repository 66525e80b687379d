#include "framewizard.h"

#include "dirdia.h"
#include "directoryedit.h"
#include "documentlist.h"
#include "frwizard1.h"
#include "layoutforms.h"

#include <QApplication>

namespace {

// Shows one step's window; its choices go into the record only when it
// closes forward.
template <class Window>
bool step(FrameWizardChoices &choices)
{
    Window window(QApplication::activeWindow());
    if (window.exec() != QDialog::Accepted)
        return false;
    window.fill(choices);
    return true;
}

template <class Sizes, class Names, class Options>
bool layoutSteps(FrameWizardChoices &choices)
{
    return step<Sizes>(choices) && step<Names>(choices) && step<Options>(choices);
}

bool layoutChoices(FrameWizardChoices &choices)
{
    switch (choices.layout) {
    case 1: return layoutSteps<Tlayout1form, Tlayout11form, Tlayout111form>(choices);
    case 2: return layoutSteps<Tlayout2form, Tlayout22form, Tlayout222form>(choices);
    case 3: return layoutSteps<Tlayout3form, Tlayout33form, Tlayout333form>(choices);
    case 4: return layoutSteps<Tlayout4form, Tlayout44form, Tlayout444form>(choices);
    }
    return false;
}

} // namespace

void runFramesWizard(FrameWizardHost &host)
{
    if (host.documents.count() != 0)
        return;
    FrameWizardChoices choices;
    {
        Tfrwizard1 chooser(QApplication::activeWindow());
        if (chooser.exec() == QDialog::Accepted)
            choices.layout = chooser.layout();
    }
    if (choices.layout == 0 || !layoutChoices(choices))
        return;
    QString directory;
    {
        Tdirdia dirdia(QApplication::activeWindow());
        if (dirdia.exec() != QDialog::Accepted)
            return;
        directory = dirdia.directory->text();
    }
    writeFrameSite(host, choices, directory);
}
