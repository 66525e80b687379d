#pragma once

#include "colortypes.h"
#include "keycompile.h"

#include <functional>
#include <span>
#include <string>

class TKeyDescrList;
class TColorRule;

// What a keyword scan needs of its rule.
struct KeyScanOptions {
    bool keyCase = false;
    bool partWord = false;
    TColor defKeyColor = clRed;
    quint8 zOrder = 0;
};

// Storage a keyword scan reuses from pass to pass.
struct KeyScanScratch {
    std::u16string upperText; // the window upper-cased, for keys that ignore case
    std::vector<std::size_t> nextAllowed;
    std::vector<std::pair<std::size_t, std::size_t>> hits; // key, start
    std::vector<std::size_t> keyFirstHit;
    std::vector<std::size_t> byKey;
};

// Every occurrence of every key, key by key in list order and each key in
// text order; occurrences of one key never overlap.
void scanKeywords(const CompiledKeywords &compiled, const KeyScanOptions &options, const ScanWindow &window,
                  KeyScanScratch &scratch, TKeyDescrList &ranges);

// From each begin key to its end key (across lines), or with 'toLineEnd' to
// the end of the begin key's line. Keys match with case.
void scanMarkers(MarkerTable &table, bool toLineEnd, quint8 zOrder, const ScanWindow &window, TKeyDescrList &ranges);

// OnDraw: Sender is the rule being scanned; 'window' is the scan window's text
// (zero after its end); the handler fills records of 'a' with offsets counted
// from the window's start and sets itemsCount to the number it filled.
using TDrawEvent =
    std::function<void(TColorRule *sender, std::u16string_view window, std::span<TKeyDescr> a, int &itemsCount)>;

// The ranges an OnDraw handler reports, through the descriptor array.
void scanEventDraw(TColorRule *sender, const TDrawEvent &handler, std::span<TKeyDescr> descriptors, quint8 zOrder,
                   const ScanWindow &window, TKeyDescrList &ranges);
