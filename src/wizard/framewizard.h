#pragma once

#include "framesite.h"

// "Frames... ": leads through the layout chooser, the size, names and
// options windows of the chosen layout and the directory window, then
// writes and opens the frame site. Runs only while no document is open;
// any window left another way than forward ends the run with nothing
// written.
void runFramesWizard(FrameWizardHost &host);
