#pragma once

#include "tagcommands.h"

class TColorMemo;
class TagUndo;

// Runs one command of tagCommands() on a document's memo: the template from
// its slot around the selection or at the caret, the undo point before it,
// and for "image" and "Get color" their dialogs. Errors (an unreadable
// picture) are shown in an error box; the command then ends.
void runTagCommand(const TagCommand &command, TColorMemo &memo, TagUndo &undo);

// The table row with this handler name; nullptr when there is none.
const TagCommand *findTagCommand(const char *handler);
