#pragma once

#include "documenthost.h"

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <memory>

class CommandActions;
class DocumentList;
class HotKeyPanel;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QPrinter;
class QToolBar;
class Teditform;

// The frame of the program: holds the document windows, the menus, the
// toolbar, the status bar and the hot-key panel, and owns start-up.
class Tmainform : public QMainWindow, public DocumentHost
{
    Q_OBJECT

public:
    explicit Tmainform(QWidget *parent = nullptr);
    ~Tmainform() override;

    // First show: opens the first argument (a path that may carry bytes,
    // bytetext.h), asks to install the tags and repairs the tag table.
    void formShow(const QStringList &arguments);

    // DocumentHost
    void setPanel(Panel panel, const QString &text) override;
    DocumentList &documents() override { return *m_documents; }

    // The commands of the main window.
    void newDocument();
    void openDocuments();
    // Opens a page in a new document window; false when it could not be read.
    bool openDocument(const QString &path);
    void saveAll();
    void printerSetup();
    void chooseFont(); // the font window; the page in front takes the font
    void configure();  // the configuration window; every page takes the font
    void about();
    void framesWizard();
    enum class Bar { Toolbar, HotKeys, StatusBar };
    void flipVisibility(Bar bar);
    void activatePrevious(); // wraps around
    void activateNext();
    void tile(); // full width each, stacked top to bottom
    void cascade();
    void arrangeIcons(); // the minimised windows, along the bottom
    // The printer chosen by the user, kept for every later print job.
    QPrinter &printer();

    Teditform *activeDocument() const;
    QMdiArea *mdiArea() const { return m_mdi; }
    QLabel *panel(Panel panel) const { return m_panels[panel]; }
    QToolBar *toolBar() const { return ToolBar1; }
    HotKeyPanel *hotKeyPanel() const { return ScrollBox1; }
    QAction *action(const char *name) const;

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void formCreate();
    void buildStatusBar();
    Teditform *createDocument();
    // Panel 2, the toolbar and "Frames... " follow the number of pages.
    void showDocumentCount(int count);
    void activated(Teditform &window);
    void showMenus();
    void listWindows();
    void autosaveAll();

    QMdiArea *m_mdi = nullptr;
    std::unique_ptr<DocumentList> m_documents; // goes before the windows it reads
    QToolBar *ToolBar1 = nullptr;
    HotKeyPanel *ScrollBox1 = nullptr;
    CommandActions *m_commands = nullptr;
    std::array<QLabel *, 5> m_panels{};
    QPointer<QMdiSubWindow> m_lastNew;   // the page opened last, where the next one goes from
    QString m_openDialogFileName;        // the last file named to the open dialog
    std::unique_ptr<QPrinter> m_printer; // made at its first use
};
