#pragma once

#include "documenthost.h"
#include "editmenus.h"

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <memory>

class DocumentList;
class HotKeyPanel;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QPrinter;
class QToolBar;

// The frame of the program: holds the document windows, the menus, the
// toolbar, the status bar and the hot-key panel, and owns start-up.
class Tmainform : public QMainWindow, public DocumentHost
{
    Q_OBJECT

public:
    explicit Tmainform(QWidget *parent = nullptr);
    ~Tmainform() override;

    // First show: opens the first argument (a path that may carry bytes,
    // bytetext.h), asks to install the tags, repairs the tag table and sets
    // the toolbar.
    void formShow(const QStringList &arguments);

    // DocumentHost
    void setPanel(Panel panel, const QString &text) override;
    void setUndoButtons(bool undo, bool undoUndo) override;
    DocumentList &documents() override { return *m_documents; }
    void newDocument() override;
    void openDocuments() override;
    void saveAll() override;
    void closeMainWindow() override;
    void listWindows(QMenu *menu) override;
    void flipVisibility(Bar bar) override;
    void activatePrevious() override;
    void activateNext() override;
    void tile() override;
    void cascade() override;
    void arrangeIcons() override;
    QPrinter &printer() override;

    // Opens a page in a new document window; false when it could not be read.
    bool openDocument(const QString &path) override;

    Teditform *activeDocument() const;
    QMdiArea *mdiArea() const { return m_mdi; }
    QLabel *panel(Panel panel) const { return m_panels[panel]; }
    QToolBar *toolBar() const { return ToolBar1; }
    HotKeyPanel *hotKeyPanel() const { return ScrollBox1; }
    QAction *action(const char *name) const;

    QString openDialogFileName; // the last file named to the open dialog

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void formCreate();
    void buildMenus();
    void buildToolbar();
    void buildStatusBar();
    Teditform *createDocument();
    // Panel 2, the toolbar and "Frames... " follow the number of pages.
    void showDocumentCount(int count);
    void toolbarUpdate(int count);
    void activated(Teditform &window);
    void showMenus();
    void autosaveAll();
    void C1Click();
    void printerSetup();
    void About1Click();

    QMdiArea *m_mdi = nullptr;
    std::unique_ptr<DocumentList> m_documents; // goes before the windows it reads
    QToolBar *ToolBar1 = nullptr;
    HotKeyPanel *ScrollBox1 = nullptr;
    std::array<QLabel *, 5> m_panels{};
    std::vector<GroupedMenu> m_menus;
    QPointer<QMdiSubWindow> m_lastNew; // the page opened last, where the next one goes from
    QAction *FTP1 = nullptr;
    QAction *Frames1 = nullptr;
    std::unique_ptr<QPrinter> m_printer; // made at its first use
};
