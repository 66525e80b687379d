#pragma once

#include "colortypes.h"

#include <vector>

class TKeyDescrList;

// Lays the ranges of one pass onto a map of the characters they cover, in
// the order they were stored: a character takes a range's colour when the
// range's ZOrder is at least the one it has. The highest ZOrder wins; among
// equals, the range stored later. Then cuts the map back into runs.
class ColorMap
{
public:
    // Runs in text order: maximal stretches of covered characters alike in
    // colour, ZOrder and IsKey. The result lives until the next call.
    const std::vector<TKeyDescr> &cut(const TKeyDescrList &ranges);

private:
    struct Cell {
        TColor color;
        quint8 zOrder;
        quint8 isKey;
        quint8 covered;
    };

    std::vector<Cell> m_cells; // kept between passes, grown when a span needs more
    std::vector<TKeyDescr> m_runs;
};
