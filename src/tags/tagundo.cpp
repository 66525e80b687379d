#include "tagundo.h"

#include "colormemo.h"
#include "memoedit.h"

TagUndo::TagUndo(TColorMemo &memo, QObject *parent) : QObject(parent), m_memo(memo)
{
}

void TagUndo::recordPoint()
{
    m_undoCopy = take();
    setAvailability(true, m_canUndoUndo);
}

void TagUndo::undoLastTag()
{
    if (!m_canUndo)
        return;
    m_rescueCopy = take();
    restore(m_undoCopy);
    setAvailability(false, true);
    m_memo.setFocus();
    // A blank typed and taken away again: the text stays the undo copy's,
    // but the document counts as changed even when the restored text equals it.
    const int caret = m_memo.selStart();
    replaceSelection(m_memo, QStringLiteral(" "));
    m_memo.setSelStart(caret);
    m_memo.setSelLength(1);
    replaceSelection(m_memo, QString());
}

void TagUndo::undoUndo()
{
    if (!m_canUndoUndo)
        return;
    restore(m_rescueCopy);
    setAvailability(true, false);
}

TagUndo::Snapshot TagUndo::take() const
{
    return {m_memo.rawText(), m_memo.selStart()};
}

void TagUndo::restore(const Snapshot &snapshot)
{
    replaceRawText(m_memo, snapshot.rawText);
    placeCaret(m_memo, snapshot.caret);
}

void TagUndo::setAvailability(bool canUndo, bool canUndoUndo)
{
    if (canUndo == m_canUndo && canUndoUndo == m_canUndoUndo)
        return;
    m_canUndo = canUndo;
    m_canUndoUndo = canUndoUndo;
    emit availabilityChanged(m_canUndo, m_canUndoUndo);
}
