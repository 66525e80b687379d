#pragma once

#include "documentfile.h"
#include "editmenus.h"

#include <QWidget>

class DocumentHost;
class PageBytes;
class TagUndo;
class TColorMemo;
class QMdiSubWindow;

// One open page: a child window of the main window holding the page's text
// in its memo, with its own menus that merge into the main menu bar while
// it is active.
class Teditform : public QWidget
{
    Q_OBJECT

public:
    static const QString kNoName; // "No name"

    explicit Teditform(DocumentHost *host, QWidget *parent = nullptr);

    TColorMemo *CMemo1 = nullptr;
    EditMenus menus;
    TagUndo *tagUndo = nullptr; // holds the undo and rescue copies of the text

    // The full path; it may carry bytes that are not UTF-8 (bytetext.h).
    QString fileName() const { return m_fileName; }
    bool autosave() const { return m_autosave; }
    // How the page's text becomes its file's bytes, and how many.
    const PageBytes &bytes() const { return *m_bytes; }

    // Lifecycle steps, called by the main window in this order.
    void formShow();
    void formActivate();
    // Set once the close handler has run; the window is about to go.
    bool isClosed() const { return m_closed; }

    // Loads a page into this window; throws AppError "Cannot open file %s",
    // leaving the window as it was.
    void loadFile(const QString &path);
    // Makes this window a new page: takes the path as its name, the text
    // (CR LF breaks) as its whole content with the caret at the given
    // offset, and writes the page at once. A write error throws, leaving
    // the text, the name and the modified mark.
    void writeNewPage(const QString &path, const QString &text, int caret);

    // Each returns whether the page was written; a write error throws.
    bool save();
    bool saveAs();
    // Writes the page if autosave is on (the pass on leaving the program).
    void autosavePass();

    void closeWindow();   // Close: runs the close query first
    void closeWithoutQuery(); // after the main window has asked already
    void closeAll();      // Close all
    bool formCloseQuery(); // true: the window may close
    void toggleAutosave();
    void print();         // Print...
    // The commands the main window's toolbar runs on the active page too.
    void insertTextFile();
    void insertFromTextFile();
    void search();
    void replace();

signals:
    void closed();
    void renamed(); // the page took the name of a file

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void formClose();
    void cMemo1Change();
    void writeSizePanel();
    void writePage(const QString &path);
    void updateBrowserItem();
    QMdiSubWindow *subWindow() const;
    void connectCommands();
    void connectViewCommands();
    void connectTagCommands();
    void connectTextCommands();
    void showUndoState(bool undo, bool undoUndo);

    DocumentHost *m_host;
    QString m_fileName;
    bool m_autosave = false;
    bool m_closeApproved = false;
    bool m_closed = false;
    PageBytes *m_bytes = nullptr;
};
