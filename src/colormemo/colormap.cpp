#include "colormap.h"

#include "keydescrlist.h"

#include <algorithm>

const std::vector<TKeyDescr> &ColorMap::cut(const TKeyDescrList &ranges)
{
    m_runs.clear();
    if (ranges.count() == 0)
        return m_runs;
    int low = ranges[0].StartPos;
    int high = ranges[0].EndPos;
    for (const TKeyDescr &range : ranges) {
        low = std::min(low, range.StartPos);
        high = std::max(high, range.EndPos);
    }
    const std::size_t cells = std::size_t(high - low) + 1;
    if (m_cells.size() < cells)
        m_cells.resize(cells);
    std::fill_n(m_cells.begin(), cells, Cell{0, 0, 0, 0});

    for (const TKeyDescr &range : ranges) {
        for (int c = range.StartPos; c <= range.EndPos; ++c) {
            Cell &cell = m_cells[std::size_t(c - low)];
            if (cell.zOrder <= range.ZOrder)
                cell = {range.Color, range.ZOrder, range.IsKey, 1};
        }
    }

    for (std::size_t first = 0; first < cells;) {
        const Cell &head = m_cells[first];
        std::size_t last = first;
        while (last + 1 < cells) {
            const Cell &next = m_cells[last + 1];
            if (next.covered != head.covered || next.color != head.color || next.zOrder != head.zOrder
                || next.isKey != head.isKey)
                break;
            ++last;
        }
        if (head.covered)
            m_runs.push_back({low + int(first), low + int(last), head.color, head.zOrder, head.isKey});
        first = last + 1;
    }
    return m_runs;
}
