#pragma once

#include "framechoices.h"

#include <QStringView>
#include <functional>

class DocumentList;
class Teditform;

// What a frames-wizard run needs of the main window.
struct FrameWizardHost {
    const DocumentList &documents;
    // A new document window, created and shown.
    std::function<Teditform *()> newWindow;
};

// Makes a new document window the page of a page code and writes it; a
// code that names no page of the layout writes nothing. A write error
// throws, the window keeping the page text and its path.
void framepage(Teditform &window, const FrameWizardChoices &choices, QStringView code);

// The end of a run, once the choices and the directory are known: makes
// sure the directory exists (asking to create it), asks before each
// existing page is replaced, then writes and opens each page in a window of
// its own. Returns whether every page was written. A directory that cannot
// be created throws; a page that cannot be written shows its error and
// stops the run, the pages before it staying written and open.
bool writeFrameSite(FrameWizardHost &host, const FrameWizardChoices &choices, const QString &directory);
