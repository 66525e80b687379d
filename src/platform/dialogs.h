#pragma once

#include <QColor>
#include <QString>
#include <QStringList>

class QPrinter;

// The one seam every file, folder, colour and print dialog goes through.
// The real provider shows Qt's dialogs, each with a Help button (and F1)
// that opens the help at the dialog's help context; tests install a
// scripted provider.
namespace Dialogs {

struct FileRequest {
    QString title;
    QString filter;        // "Name|pattern|Name|pattern", as stored with each dialog
    QString startFolder;   // a folder that does not exist opens the home folder
    QString defaultSuffix; // save dialogs only
    int helpContext = 0;
    // The dialog's file name: a save dialog offers it first, an open dialog
    // offers its name part in startFolder.
    QString fileName = {};
};

class Provider
{
public:
    virtual ~Provider() = default;
    // Paths handed back keep the bytes of names that are not UTF-8
    // (bytetext.h).
    // Every chosen file, in the order of choice; empty when cancelled.
    virtual QStringList openFiles(const FileRequest &request) = 0;
    // The chosen path (an existing one only after the user agreed to
    // replace it); empty when cancelled.
    virtual QString saveFile(const FileRequest &request) = 0;
    virtual QString folder(const QString &title, const QString &startFolder) = 0;
    // One existing file; empty when cancelled. Unless a provider shows a
    // single-choice dialog, it is the first of openFiles().
    virtual QString openFile(const FileRequest &request);
    // The chosen colour; an invalid one when cancelled. A provider that
    // offers no colours answers as if cancelled.
    virtual QColor color(const QColor &initial, int helpContext);
    // The print dialog: true when the user chose to print; the choices
    // (printer, output file, page setup) are written into the printer.
    // A provider that offers no printing answers as if cancelled.
    virtual bool print(QPrinter &printer, int helpContext);
    // The printer setup dialog: true when the user took a printer, which
    // the printer then stands for in later jobs.
    virtual bool printerSetup(QPrinter &printer, int helpContext);
};

QStringList openFiles(const FileRequest &request);
QString saveFile(const FileRequest &request);
QString folder(const QString &title, const QString &startFolder);
QString openFile(const FileRequest &request);
QColor color(const QColor &initial, int helpContext);
bool print(QPrinter &printer, int helpContext);
bool printerSetup(QPrinter &printer, int helpContext);

// Installs the provider used from now on; nullptr restores the real one.
void setProvider(Provider *provider);

// "HTML document|*.htm*|All files|*.*" -> "HTML document (*.htm*);;All files (*.*)"
QString qtFilter(const QString &filter);
// The folder a dialog opens in: the given one when it exists, else home.
QString usableFolder(const QString &folder);

} // namespace Dialogs
