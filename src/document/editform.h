#pragma once

#include "documentitems.h"

#include <QStringList>
#include <QWidget>

#include <array>

class DocumentHost;
class Page;
class QMdiSubWindow;
class QPrinter;
class TagUndo;
class TColorMemo;

// One open page: a child window of the main window holding the page's text
// in its memo. The commands of the main window's menus act on the window
// in front; each window keeps the state its menu items show.
class Teditform : public QWidget
{
    Q_OBJECT

public:
    explicit Teditform(DocumentHost *host, QWidget *parent = nullptr);

    TColorMemo *CMemo1 = nullptr;
    TagUndo *tagUndo = nullptr; // holds the undo and rescue copies of the text

    // The page shown: its file, its bytes, its decisions.
    Page &page() { return *m_page; }
    const Page &page() const { return *m_page; }

    // What this window's menu items show while it is in front.
    const ItemState &item(DocumentItem item) const { return m_items[std::size_t(item)]; }
    // The captions of "&Defined", as the tag table held them when this
    // window was made.
    const QStringList &definedCaptions() const { return m_definedCaptions; }

    // Lifecycle steps, called by the main window in this order.
    void formShow();
    void formActivate();

    // Each returns whether the page was written; a write error throws.
    bool save();
    bool saveAs();

    void closeWindow();       // Close: runs the close query first
    void closeWithoutQuery(); // after the main window has asked already
    void closeAll();          // Close all
    bool formCloseQuery();    // true: the window may close
    void toggleAutosave();
    void toggleWordWrapping();
    // Toolbar, Hot-Keys and Status Bar: each window's own mark flips with
    // its command, whatever the main window shows.
    void flipCheckMark(DocumentItem item);
    // Paste while the clipboard holds text; Copy, Cut and Delete while
    // something is selected.
    void updateEditItems();
    void print(QPrinter &printer);
    void insertTextFile();
    void insertFromTextFile();
    void search();
    void replace();
    void launchBrowser();

signals:
    void closed();  // the close handler has run; the window is about to go
    void renamed(); // the page took the name of a file
    void itemChanged(DocumentItem item);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void formClose();
    void cMemo1Change();
    void writeSizePanel();
    void showName();
    void setItemEnabled(DocumentItem item, bool enabled);
    void setItemChecked(DocumentItem item, bool checked);
    void setItemState(DocumentItem item, bool ItemState::*part, bool value);
    QMdiSubWindow *subWindow() const;

    DocumentHost *m_host;
    Page *m_page = nullptr;
    std::array<ItemState, kDocumentItems> m_items{};
    QStringList m_definedCaptions;
    bool m_closeApproved = false;
};
