#pragma once

#include <QStringView>

class QColor;
class QFont;
class QPrinter;

// Prints a text's lines (they end in '\n' or a paragraph separator) in the
// given font and colour: lines go down the page at the font's line
// spacing and a new page starts when the page is full. There is no header,
// footer or page number, and no margin beyond the printer's own. A line
// wider than the page wraps at a word boundary (or anywhere in a word that
// is wider than the page), so nothing is cut off.
//
// Throws AppError when the printer does not take the job or a page; the
// job is closed whatever happens.
void printPlainText(QPrinter &printer, QStringView text, const QFont &font, const QColor &colour);
