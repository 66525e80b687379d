#pragma once

#include "colortypes.h"
#include "keymatcher.h"

#include <QStringList>

#include <array>
#include <optional>
#include <string>
#include <vector>

// A keyword to search for, as the compiled key string lists it: either with
// its own colour, or taking the rule's default colour when it is scanned.
struct CompiledKey {
    std::u16string key;
    std::optional<TColor> color;
};

// The keyword list compiled. 'text' is the compiled key string ("*KEY*+cccc*
// LINE*..."): every key stands between two '*', a key followed by "*+"
// carries its colour in the four characters after the '+'. 'keys' is that
// string walked once, in order; 'matcher' finds them all in one walk.
struct CompiledKeywords {
    std::u16string text = u"*";
    std::vector<CompiledKey> keys;
    KeyMatcher matcher;
};

CompiledKeywords compileKeywords(const QStringList &lines, bool keyCase, TColor defKeyColor);

// Begin and end keys, matched with case; an empty begin key ends the table.
struct Marker {
    std::u16string beginKey;
    std::u16string endKey;
    TColor color = 0;
    int nextPos = 0; // scan-time cache: where beginKey next occurs
};

constexpr int MarkerCount = 40;
constexpr int MarkerKeyLength = 6;
using MarkerTable = std::array<Marker, MarkerCount>;

void compileBeginEndList(MarkerTable &table, const QStringList &lines, TColor defKeyColor);
void compileLineEndList(MarkerTable &table, const QStringList &lines, TColor defKeyColor);

// Only a to z change.
void upperCaseAscii(char16_t *text, std::size_t length);
