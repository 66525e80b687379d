#pragma once

#include <QString>

class QAction;
class QPrinter;
class TColorMemo;

// Print: the page as plain text in the memo's font and colour, through the
// print dialog. An empty page shows no dialog; a printer that fails throws
// AppError.
void printPage(const TColorMemo &memo, QPrinter &printer, const QString &title);

// Word wrapping, run when its checkable item is triggered: a mark that was
// clear is now set and the text wraps with a vertical scroll bar only; a
// mark that was set is now clear, and the memo gets both scroll bars and
// stops wrapping.
void toggleWordWrapping(QAction &item, TColorMemo &memo);

// Launch Browser: hands the saved page to the desktop, or says that there
// is no file to show.
void launchBrowser(const QString &fileName);
