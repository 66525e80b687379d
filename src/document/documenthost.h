#pragma once

#include <QString>

class DocumentList;

// What a document window needs of the main window that holds it: the
// status bar and the list of the open windows.
class DocumentHost
{
public:
    enum Panel { HintPanel = 0, SizePanel, CountPanel, ModifiedPanel, PathPanel };

    virtual ~DocumentHost() = default;

    virtual void setPanel(Panel panel, const QString &text) = 0;
    virtual DocumentList &documents() = 0;
};
