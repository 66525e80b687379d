#pragma once

#include "tagcommands.h"

#include <QKeySequence>
#include <QList>

// Every key sequence that must reach the command: its table shortcut, and
// for the key left of Z the forms Qt may deliver with Shift held (the key
// then arrives as '>').
QList<QKeySequence> tagShortcuts(const TagCommand &command);
// "Undo last tag " (Ctrl+Z) and "Undo undo" (Ctrl+Shift+Z) of the Edit menu.
QKeySequence undoLastTagShortcut();
QKeySequence undoUndoShortcut();
