#pragma once

#include <QString>

class QPrinter;
class TColorMemo;

// Print: the page as plain text in the memo's font and colour, through the
// print dialog. An empty page shows no dialog; a printer that fails throws
// AppError.
void printPage(const TColorMemo &memo, QPrinter &printer, const QString &title);

// Word wrapping on: the text wraps, with a vertical scroll bar only; off:
// the memo gets both scroll bars and stops wrapping.
void wrapWords(TColorMemo &memo, bool wrap);

// Launch Browser: hands the saved page to the desktop, or says that there
// is no file to show.
void launchBrowser(const QString &fileName);
