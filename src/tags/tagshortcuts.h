#pragma once

#include "tagcommands.h"

#include <QKeySequence>
#include <QList>

// Every key sequence that must reach the command: its table shortcut, and
// for Shift with the key left of Z ('<') the forms that one press of '>'
// takes on a 102-key and on a US keyboard.
QList<QKeySequence> tagShortcuts(const TagCommand &command);
// "Undo last tag " and "Undo undo" of the Edit menu.
inline constexpr char kUndoLastTagKeys[] = "Ctrl+Z";
inline constexpr char kUndoUndoKeys[] = "Ctrl+Shift+Z";
