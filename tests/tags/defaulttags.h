#pragma once

#include "tagtable.h"

// Every slot at its default, in memory only (the store is left alone).
inline void loadDefaultTagsInMemory()
{
    for (int n = 1; n <= TagTable::kSlots; ++n) {
        const TagDefault &d = tagDefault(n);
        g_tags.slot(n) = TagSlot{QString::fromLatin1(d.opening), QString::fromLatin1(d.closing), d.back, d.extra};
    }
    g_tags.captions.fill(QStringLiteral("----------"));
}
