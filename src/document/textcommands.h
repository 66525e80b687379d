#pragma once

#include "textedit.h"

class PageBytes;
class TagUndo;
class TColorMemo;
class QWidget;

// The Edit menu's clipboard and line-break commands and the File menu's
// two ways of inserting a text file, on one page's memo.
namespace TextCommands {

void copy(TColorMemo &memo);
void cut(TColorMemo &memo);
// Records the tag undo point first, so "Undo last tag " takes a paste back.
void paste(TColorMemo &memo, TagUndo &undo);
void deleteSelection(TColorMemo &memo); // asks first
void setLineBreaks(TColorMemo &memo);
void removeLineBreaks(TColorMemo &memo);
void removeEmptyLines(TColorMemo &memo);

// "&Insert textfile...": a whole file at the caret. A file that cannot be
// read throws AppError and leaves the page as it was. Both commands read
// the file so that the page stays byte exact (decodeInsertion), which may
// make an ASCII page a UTF-8 one.
void insertTextFile(TColorMemo &memo, PageBytes &page);
// "Insert from textfile...": the part of a file marked in the load window.
void insertFromTextFile(TColorMemo &memo, PageBytes &page, QWidget *parent);

// Hands many changes to the memo as a single edit; the caret ends after
// the inserted text.
void applyEdit(TColorMemo &memo, const TextEdit &edit);

} // namespace TextCommands
