#include "rulescans.h"

#include "keydescrlist.h"

#include <algorithm>
#include <climits>

namespace {

constexpr auto npos = std::u16string_view::npos;

// The at sign counts as a letter, digits and the underscore do not.
bool isLetter(char16_t c)
{
    return (c >= 64 && c <= 90) || (c >= 97 && c <= 122);
}

char16_t charAt(std::u16string_view text, std::size_t index)
{
    return index < text.size() ? text[index] : u'\0';
}

} // namespace

void scanKeywords(const CompiledKeywords &compiled, const KeyScanOptions &options, const ScanWindow &window,
                  KeyScanScratch &scratch, TKeyDescrList &ranges)
{
    const std::vector<CompiledKey> &keys = compiled.keys;
    if (keys.empty())
        return;
    std::u16string_view text = window.view();
    if (!options.keyCase) {
        scratch.upperText.assign(text);
        upperCaseAscii(scratch.upperText.data(), scratch.upperText.size());
        text = scratch.upperText;
    }
    // One walk finds the occurrences in text order; each key takes them
    // left to right, the next one no earlier than the end of the last.
    scratch.nextAllowed.assign(keys.size(), 0);
    scratch.hits.clear();
    compiled.matcher.matchAll(text, [&](std::size_t key, std::size_t at) {
        if (at < scratch.nextAllowed[key])
            return;
        const std::size_t length = keys[key].key.size();
        scratch.nextAllowed[key] = at + length;
        if (options.partWord || ((at == 0 || !isLetter(text[at - 1])) && !isLetter(charAt(text, at + length))))
            scratch.hits.emplace_back(key, at);
    });
    // stored key by key, each key's hits in text order (a counting sort)
    scratch.keyFirstHit.assign(keys.size() + 1, 0);
    for (const auto &hit : scratch.hits)
        ++scratch.keyFirstHit[hit.first + 1];
    for (std::size_t k = 1; k <= keys.size(); ++k)
        scratch.keyFirstHit[k] += scratch.keyFirstHit[k - 1];
    scratch.byKey.resize(scratch.hits.size());
    for (std::size_t h = 0; h < scratch.hits.size(); ++h)
        scratch.byKey[scratch.keyFirstHit[scratch.hits[h].first]++] = h;
    for (const std::size_t h : scratch.byKey) {
        const auto [key, at] = scratch.hits[h];
        const qint64 start = qint64(window.origin) + qint64(at);
        ranges.add(start, start + qint64(keys[key].key.size()) - 1, keys[key].color.value_or(options.defKeyColor),
                   options.zOrder, 1);
    }
}

void scanMarkers(MarkerTable &table, bool toLineEnd, quint8 zOrder, const ScanWindow &window, TKeyDescrList &ranges)
{
    const std::u16string_view text = window.view();
    const auto used =
        std::find_if(table.begin(), table.end(), [](const Marker &marker) { return marker.beginKey.empty(); });
    if (used == table.begin())
        return;
    constexpr int notFound = INT_MAX;
    for (auto marker = table.begin(); marker != used; ++marker)
        marker->nextPos = -1; // before any position: searched on the first round
    std::size_t position = 0;
    while (true) {
        Marker *winner = nullptr;
        for (auto marker = table.begin(); marker != used; ++marker) {
            if (qint64(marker->nextPos) < qint64(position)) {
                const std::size_t found = text.find(marker->beginKey, position);
                marker->nextPos = found == npos ? notFound : int(found);
            }
            if (marker->nextPos != notFound && (!winner || marker->nextPos < winner->nextPos))
                winner = &*marker;
        }
        if (!winner)
            return;
        const std::size_t begin = std::size_t(winner->nextPos);
        const qint64 start = qint64(window.origin) + qint64(begin);
        if (toLineEnd) {
            const std::size_t lineBreak = text.find_first_of(u"\r\n", begin + 1);
            if (lineBreak == npos) {
                ranges.add(start, qint64(window.origin) + qint64(text.size()) - 1, winner->color, zOrder, 0);
                return;
            }
            ranges.add(start, qint64(window.origin) + qint64(lineBreak) - 1, winner->color, zOrder, 0);
            position = lineBreak + 1;
        } else {
            const std::size_t end = text.find(winner->endKey, begin + 1);
            if (end == npos)
                return; // a begin key without its end key stays uncoloured
            ranges.add(start, qint64(window.origin) + qint64(end + winner->endKey.size()) - 1, winner->color, zOrder,
                       0);
            position = end + 1;
        }
    }
}

void scanEventDraw(TColorRule *sender, const TDrawEvent &handler, std::span<TKeyDescr> descriptors, quint8 zOrder,
                   const ScanWindow &window, TKeyDescrList &ranges)
{
    if (descriptors.empty())
        return;
    std::fill(descriptors.begin(), descriptors.end(), TKeyDescr{0, 0, 0, 0, 0});
    int itemsCount = 0;
    if (handler)
        handler(sender, window.view(), descriptors, itemsCount);
    const std::size_t count = std::size_t(std::clamp<qint64>(itemsCount, 0, qint64(descriptors.size())));
    for (const TKeyDescr &record : descriptors.first(count)) {
        ranges.add(qint64(window.origin) + record.StartPos, qint64(window.origin) + record.EndPos, record.Color,
                   record.ZOrder != 0 ? record.ZOrder : zOrder, 0);
    }
}
