#pragma once

#include "colortypes.h"

#include <QtGlobal>

#include <vector>

// The ranges one colour pass stores. Records are reused from pass to pass and
// the list never shrinks. Every range is cut to the scan window when stored,
// so nothing a scan or a handler reports can reach outside the text read.
class TKeyDescrList
{
public:
    // Forgets the stored ranges; the window is [low, high], model offsets.
    void reset(int low, int high);

    // Stores the range cut to the window; an empty result is not stored.
    // Returns whether a range was stored.
    bool add(qint64 startPos, qint64 endPos, TColor color, quint8 zOrder, quint8 isKey);
    void dropLast();

    int count() const { return m_count; }
    const TKeyDescr &operator[](int index) const { return m_records[std::size_t(index)]; }
    const TKeyDescr *begin() const { return m_records.data(); }
    const TKeyDescr *end() const { return m_records.data() + m_count; }

private:
    std::vector<TKeyDescr> m_records;
    int m_count = 0;
    int m_low = 0;
    int m_high = -1;
};
