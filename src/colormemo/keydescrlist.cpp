#include "keydescrlist.h"

#include <algorithm>

void TKeyDescrList::reset(int low, int high)
{
    m_count = 0;
    m_low = low;
    m_high = high;
}

bool TKeyDescrList::add(qint64 startPos, qint64 endPos, TColor color, quint8 zOrder, quint8 isKey)
{
    startPos = std::max<qint64>(startPos, m_low);
    endPos = std::min<qint64>(endPos, m_high);
    if (endPos < startPos)
        return false;
    if (std::size_t(m_count) == m_records.size())
        m_records.emplace_back();
    m_records[std::size_t(m_count++)] = {int(startPos), int(endPos), color, zOrder, isKey};
    return true;
}

void TKeyDescrList::dropLast()
{
    if (m_count > 0)
        --m_count;
}
