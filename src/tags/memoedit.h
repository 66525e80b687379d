#pragma once

#include <QString>

class TColorMemo;

// Edits the tag commands make to a memo. None of them enters the control's
// own undo history: tag undo works on whole-text snapshots instead.

// Replaces the selection (or inserts at the caret); the caret ends after it.
void replaceSelection(TColorMemo &memo, const QString &crlfText);
// Makes the memo's text equal to rawText (the form TColorMemo::rawText
// gives) by rewriting only the part that differs,
// so a small change in a large page stays cheap.
void replaceRawText(TColorMemo &memo, const QString &rawText);
// The caret moved to position, kept inside the text.
void placeCaret(TColorMemo &memo, qint64 position);
