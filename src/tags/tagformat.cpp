#include "tagformat.h"

#include "settingsstore.h"
#include "tagtable.h"

#include <algorithm>
#include <limits>

int caretInOpening(const TagSlot &slot)
{
    const qint64 p = qint64(slot.opening.size()) - slot.back + slot.closing.size() + slot.extra;
    // A back offset set elsewhere may point outside the opening text.
    return int(std::clamp<qint64>(p, 0, slot.opening.size()));
}

qint32 backOffsetFor(const QString &opening, int caret, const QString &closing, qint32 extra)
{
    const qint64 back = qint64(opening.size()) - caret + extra + closing.size();
    return qint32(std::clamp<qint64>(back, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max()));
}

void setTagFormat(int n, const QString &opening, int caret, const QString &closing)
{
    TagSlot &slot = g_tags.slot(n);
    slot.back = backOffsetFor(opening, caret, closing, slot.extra);
    slot.opening = opening;
    slot.closing = closing;
    RegKey key;
    if (!key.openWrite())
        return;
    writeTagTexts(key, n);
    if (TagTable::isDefined(n)) {
        g_tags.captions[n - TagTable::kFirstDefined] = opening.left(10);
        writeCaption(key, n);
    }
    key.close();
}
