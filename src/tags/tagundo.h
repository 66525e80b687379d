#pragma once

#include <QObject>
#include <QString>

class TColorMemo;

// One level of undo for tag insertions, and one of redo ("Undo undo"), on
// whole-text snapshots of one document's memo.
class TagUndo : public QObject
{
    Q_OBJECT

public:
    // Nothing is available until the first undo point. The memo must
    // outlive this object.
    explicit TagUndo(TColorMemo &memo, QObject *parent = nullptr);

    // Copies the text and the caret aside before a tag command changes them.
    void recordPoint();
    // Back to the last undo point; the replaced text is kept for undoUndo().
    // Does nothing unless canUndoLastTag(): a second press must not throw
    // away the text undoUndo() would bring back.
    void undoLastTag();
    // Back to the text undoLastTag() replaced; does nothing unless
    // canUndoUndo(), so a press before any undo cannot empty the document.
    void undoUndo();

    bool canUndoLastTag() const { return m_canUndo; }
    bool canUndoUndo() const { return m_canUndoUndo; }

signals:
    // Emitted whenever either availability changes; mirror it in the
    // "Undo last tag " and "Undo undo" items and their toolbar buttons.
    void availabilityChanged(bool canUndoLastTag, bool canUndoUndo);

private:
    struct Snapshot {
        QString rawText; // the document's own form: cheap to take and compare
        int caret = 0;
    };

    Snapshot take() const;
    void restore(const Snapshot &snapshot);
    void setAvailability(bool canUndo, bool canUndoUndo);

    TColorMemo &m_memo;
    Snapshot m_undoCopy;
    Snapshot m_rescueCopy;
    bool m_canUndo = false;
    bool m_canUndoUndo = false;
};
