#pragma once

#include "documentfile.h"
#include "editmenus.h"

#include <QWidget>

class DocumentHost;
class Page;
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
    explicit Teditform(DocumentHost *host, QWidget *parent = nullptr);

    TColorMemo *CMemo1 = nullptr;
    EditMenus menus;
    TagUndo *tagUndo = nullptr; // holds the undo and rescue copies of the text

    // The page shown: its file, its bytes, its decisions.
    Page &page() { return *m_page; }
    const Page &page() const { return *m_page; }

    // Lifecycle steps, called by the main window in this order.
    void formShow();
    void formActivate();
    // Set once the close handler has run; the window is about to go.
    bool isClosed() const { return m_closed; }

    // Each returns whether the page was written; a write error throws.
    bool save();
    bool saveAs();

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
    void showName();
    void updateBrowserItem();
    QMdiSubWindow *subWindow() const;
    void connectCommands();
    void connectViewCommands();
    void connectTagCommands();
    void connectTextCommands();
    void showUndoState(bool undo, bool undoUndo);

    DocumentHost *m_host;
    Page *m_page = nullptr;
    bool m_closeApproved = false;
    bool m_closed = false;
};
