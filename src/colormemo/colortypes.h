#pragma once

#include <QtGlobal>

#include <climits>
#include <string_view>

// 0x00BBGGRR for plain colours (red in the lowest byte); 0x80000000 plus an
// index for the system colours.
using TColor = quint32;

constexpr TColor clBlack = 0x000000;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clGreen = 0x008000;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clWindow = 0x80000005;
constexpr TColor clWindowText = 0x80000008;

// One coloured range: offsets of its first and last character (inclusive),
// counted from the start of the memo's text with CR LF line breaks.
struct TKeyDescr {
    int StartPos = INT_MAX; // INT_MAX: the slot holds no range
    int EndPos = 0;
    TColor Color = 0;
    quint8 ZOrder = 0;
    quint8 IsKey = 0;
};

// The zero-terminated text the scans read: the whole lines of the scan
// window with CR LF breaks. text[length] is zero; origin is the offset of
// text[0] in the memo's text.
struct ScanWindow {
    const char16_t *text = u"";
    int length = 0;
    int origin = 0;

    std::u16string_view view() const { return {text, std::size_t(length)}; }
};
