#include "memoedit.h"

#include "colormemo.h"

#include <QTextDocument>
#include <algorithm>

namespace {

// Runs an edit with the control's own history switched off (which also
// empties it, as any whole-text replacement does), then restores the switch.
template <typename Edit>
void outsideHistory(TColorMemo &memo, Edit edit)
{
    QTextDocument *document = memo.document();
    const bool wasEnabled = document->isUndoRedoEnabled();
    document->setUndoRedoEnabled(false);
    edit();
    document->setUndoRedoEnabled(wasEnabled);
}

} // namespace

void replaceSelection(TColorMemo &memo, const QString &crlfText)
{
    outsideHistory(memo, [&] { memo.setSelText(crlfText); });
}

void replaceRawText(TColorMemo &memo, const QString &rawText)
{
    const QString current = memo.rawText();
    const QChar *oldBegin = current.constData();
    const QChar *newBegin = rawText.constData();
    const qsizetype shorter = std::min(current.size(), rawText.size());
    const qsizetype prefix = std::mismatch(oldBegin, oldBegin + shorter, newBegin).first - oldBegin;
    const auto oldTail = std::make_reverse_iterator(oldBegin + current.size());
    const auto newTail = std::make_reverse_iterator(newBegin + rawText.size());
    const qsizetype suffix = std::mismatch(oldTail, oldTail + (shorter - prefix), newTail).first - oldTail;
    const qsizetype oldEnd = current.size() - suffix;
    const qsizetype newEnd = rawText.size() - suffix;
    if (prefix == oldEnd && prefix == newEnd)
        return;
    outsideHistory(memo, [&] { memo.replaceRawRange(int(prefix), int(oldEnd), rawText.mid(prefix, newEnd - prefix)); });
}

void placeCaret(TColorMemo &memo, qint64 position)
{
    memo.setSelStart(int(std::clamp<qint64>(position, 0, memo.textLength())));
}
