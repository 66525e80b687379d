#pragma once

#include "tagcommands.h"

#include <QString>

struct TagSlot;

// What one insertion command does to the memo, worked out from the slot and
// the selection alone, so it can be checked without a window.
struct TagPlan {
    bool recordsUndo = false; // false: the command leaves everything alone
    bool inserts = false;     // the text replaces the selection
    QString text;             // inserted at a bare caret when nothing is selected
    bool movesCaret = false;  // caret goes to end - back - k afterwards
    qint32 back = 0;
    qint32 wrapped = 0;     // k, the selection length that was wrapped
    bool reselects = false; // select k characters from the new caret
};

// Plans the wrapping and single-line patterns and the literals; the image,
// colour and home-link commands only use it for their first insertion.
TagPlan planTag(const TagCommand &command, const TagSlot &slot, const QString &selected, int selectionLength);

// Where the caret lands after the plan's text was inserted at insertStart,
// kept inside a text of textLength characters.
int caretAfter(const TagPlan &plan, int insertStart, int textLength);

// Six upper-case hex digits, red first: what "Get color" inserts.
QString colourDigits(int red, int green, int blue);
