#pragma once

#include "pagebytes.h"

#include <QObject>
#include <QString>

class TColorMemo;

// One page apart from the window that shows it: the file it was read from
// or saved to, how its text becomes that file's bytes, and what loading,
// saving, autosave and closing decide. Its text is the memo's. Questions
// and notices go through the message seam, the save dialog through the
// dialog seam; a file that cannot be read or written throws AppError.
class Page : public QObject
{
    Q_OBJECT

public:
    Page(TColorMemo &memo, QObject *parent);

    // The full path, empty until the page is read from or saved to a file;
    // it may carry bytes that are not UTF-8 (bytetext.h).
    const QString &fileName() const { return m_fileName; }
    bool named() const { return !m_fileName.isEmpty(); }
    // The file name without its folder as a person reads it, "No name"
    // while the page has none.
    QString shownName() const;
    // The window caption: the shown name, with " [autosave]" while
    // autosave is on.
    QString caption() const;
    bool autosave() const { return m_autosave; }
    const PageBytes &bytes() const { return m_bytes; }
    PageBytes &bytes() { return m_bytes; }

    // The page every new document starts from, the caret between the
    // title tags.
    void showSkeleton();
    // Reads the file and takes its name; a file that cannot be read leaves
    // the page as it was.
    void load(const QString &path);
    // Takes the path as the name and the text (CR LF breaks) as the whole
    // content with the caret at the given offset, and writes the page at
    // once. A write error keeps the text, the name and the changed state.
    void writeNew(const QString &path, const QString &text, int caret);

    // Each returns whether the page was written. Save runs Save as for a
    // page without a name and asks before it creates a missing folder.
    bool save();
    bool saveAs();
    // The pass on leaving the program: writes the page if autosave is on.
    void autosavePass();
    // Autosave goes on only for a page whose file is on disk.
    void toggleAutosave();
    // The close question: an unchanged page closes; a changed one asks
    // whether to save first. Yes closes only a page that was written under
    // a name, No closes without saving, Cancel keeps the page.
    bool mayClose();

signals:
    void renamed();
    // A command made the text the file's: load, save, save as, a new page
    // written. The autosave pass, which changes nothing on screen, does not
    // say so.
    void matchesItsFile();
    void savedAs();
    void autosaveChanged();

private:
    void write(const QString &path);

    TColorMemo &m_memo;
    PageBytes m_bytes;
    QString m_fileName;
    bool m_autosave = false;
};

// The filter of the dialogs that open and save pages.
extern const char kPageFilter[];

// "The file has no name, please save it first !", for the commands that
// need a page saved under a name.
void showNoNameNotice();
