#pragma once

#include <QString>

class DocumentList;
class QMenu;
class QPrinter;
class Teditform;

// What a document window needs of the main window that holds it.
class DocumentHost
{
public:
    enum Panel { HintPanel = 0, SizePanel, CountPanel, ModifiedPanel, PathPanel };

    virtual ~DocumentHost() = default;

    virtual void setPanel(Panel panel, const QString &text) = 0;
    virtual void setUndoButtons(bool undo, bool undoUndo) = 0;
    virtual DocumentList &documents() = 0;

    virtual void newDocument() = 0;
    virtual void openDocuments() = 0;
    // Opens a page in a new document window; false when it could not be read.
    virtual bool openDocument(const QString &path) = 0;
    virtual void saveAll() = 0;
    virtual void closeMainWindow() = 0;
    // Fills a document's Window menu with the open document windows.
    virtual void listWindows(QMenu *menu) = 0;

    // The View and Window commands.
    enum class Bar { Toolbar, HotKeys, StatusBar };
    virtual void flipVisibility(Bar bar) = 0;
    virtual void activatePrevious() = 0; // wraps around
    virtual void activateNext() = 0;
    virtual void tile() = 0;         // full width each, stacked top to bottom
    virtual void cascade() = 0;
    virtual void arrangeIcons() = 0; // the minimised windows, along the bottom
    // The printer chosen by the user, kept for every later print job.
    virtual QPrinter &printer() = 0;
};
