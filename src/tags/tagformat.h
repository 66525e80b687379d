#pragma once

#include <QString>

struct TagSlot;

// The tag settings window lets the user place a caret in the opening text
// instead of typing a back offset. These turn one into the other.

// The caret place inside the opening text that the slot's back offset
// stands for, kept within the opening text.
int caretInOpening(const TagSlot &slot);
// The back offset that lands the command's caret at caret in opening.
qint32 backOffsetFor(const QString &opening, int caret, const QString &closing, qint32 extra);

// Gives slot n (1..69) new texts and the back offset for caret, keeping its
// extra count, and stores them; a user slot also takes the first ten
// characters of the opening text as its menu caption. A store that cannot be
// opened leaves the change in memory only (and the caption as it was).
void setTagFormat(int n, const QString &opening, int caret, const QString &closing);
