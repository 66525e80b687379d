#pragma once

#include "colormap.h"
#include "keydescrlist.h"
#include "rulescans.h"

#include <span>
#include <vector>

class TDrawRules;
class THotSpot;

// Built-in ZOrders: these beat every rule (except a rule of the same order
// stored later, which no rule is, for rules come before the selection).
constexpr quint8 TabZOrder = 255;
constexpr quint8 SelectionZOrder = 254;
constexpr quint8 MarkerZOrder = 253;
constexpr quint8 HotSpotZOrder = 252;

// The state of the view one pass colours, in model offsets.
struct PassView {
    int selStart = 0;
    int selLength = 0;
    int caretLineStart = 0;
    bool wantTabs = true;
    bool redrawAlways = false;
    TColor memoColor = clWindow;
    TColor fontColor = clWindowText;
};

// One colour pass over a scan window: the scans in their order, then the
// map that decides the winners, then the runs.
class ColorPass
{
public:
    const std::vector<TKeyDescr> &run(TDrawRules &rules, const THotSpot &hotSpot, const PassView &view,
                                      const ScanWindow &window, const TDrawEvent &onDraw,
                                      std::span<TKeyDescr> descriptors);

private:
    TKeyDescrList m_ranges;
    ColorMap m_map;
};

void scanHotSpots(const THotSpot &hotSpot, const ScanWindow &window, TKeyDescrList &ranges);
void scanTabs(TColor memoColor, const ScanWindow &window, TKeyDescrList &ranges);
