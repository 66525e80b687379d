#include "colorpass.h"

#include "drawrules.h"
#include "hotspot.h"

void scanHotSpots(const THotSpot &hotSpot, const ScanWindow &window, TKeyDescrList &ranges)
{
    if (!hotSpot.Active || hotSpot.BeginChar.isNull())
        return;
    const std::u16string_view text = window.view();
    const char16_t beginChar = hotSpot.BeginChar.unicode();
    const char16_t endChar = hotSpot.EndChar.unicode();
    const qint64 origin = window.origin;
    for (std::size_t from = 0;;) {
        const std::size_t begin = text.find(beginChar, from);
        if (begin == std::u16string_view::npos)
            return;
        ranges.add(origin + begin, origin + begin, hotSpot.MarkerColor, MarkerZOrder, 0);
        const std::size_t end = text.find(endChar, begin + 1);
        if (end == std::u16string_view::npos) {
            ranges.dropLast(); // a marker without its partner stays plain
            return;
        }
        ranges.add(origin + begin + 1, origin + qint64(end) - 1, hotSpot.Color, HotSpotZOrder, 0);
        ranges.add(origin + end, origin + end, hotSpot.MarkerColor, MarkerZOrder, 0);
        from = end + 1;
    }
}

void scanTabs(TColor memoColor, const ScanWindow &window, TKeyDescrList &ranges)
{
    const std::u16string_view text = window.view();
    for (std::size_t at = text.find(u'\t'); at != std::u16string_view::npos; at = text.find(u'\t', at + 1))
        ranges.add(qint64(window.origin) + at, qint64(window.origin) + at, memoColor, TabZOrder, 0);
}

const std::vector<TKeyDescr> &ColorPass::run(TDrawRules &rules, const THotSpot &hotSpot, const PassView &view,
                                             const ScanWindow &window, const TDrawEvent &onDraw,
                                             std::span<TKeyDescr> descriptors)
{
    rules.PrepareAll();
    m_ranges.reset(window.origin, window.origin + window.length - 1);
    scanHotSpots(hotSpot, window, m_ranges);
    if (view.wantTabs)
        scanTabs(view.memoColor, window, m_ranges);
    if (view.redrawAlways)
        m_ranges.add(view.caretLineStart, view.selStart, view.fontColor, 0, 0);
    for (int i = 0; i < rules.count(); ++i) {
        if (rules.at(i)->Enabled())
            rules.at(i)->Scan(m_ranges, window, onDraw, descriptors);
    }
    if (view.selLength > 0)
        m_ranges.add(view.selStart, qint64(view.selStart) + view.selLength - 1, clRed, SelectionZOrder, 0);
    return m_map.cut(m_ranges);
}
