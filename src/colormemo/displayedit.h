#pragma once

#include <QTextCursor>

class QString;
class QTextDocument;

// Edits of a memo's document that keep its display breaks right: a line
// break put into a display line is a line break, and no block ends up longer
// than a line that is shown whole.

// Replaces the cursor's selection with 'text', whose lines end in '\n' or a
// paragraph separator, as one edit; the cursor ends after it.
void insertLines(QTextCursor &cursor, const QString &text);

// Cuts each block from 'first' to 'last' that is too long to show whole
// into display lines.
void splitLongBlocks(QTextDocument &document, QTextBlock first, const QTextBlock &last);

// Moves the cursor over the display breaks next to it in the given
// direction, so that a key acting on the character there finds a real one.
void stepOverDisplayBreaks(QTextCursor &cursor, bool forward, QTextCursor::MoveMode mode);
