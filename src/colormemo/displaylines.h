#pragma once

#include <QStringView>

#include <vector>

// Where the view breaks a line that is too long to show whole. Qt lays out
// a whole paragraph again on every change and asks it for the caret's place
// on every blink, at a cost that grows with its length (with word wrap on,
// faster than the length), so a page written on one line would stall the
// editor. Such a line is shown as display lines of bounded length; the text
// keeps it whole.
namespace DisplayLines {

// A line of up to this many characters is shown whole,
constexpr int LongestShownLine = 4096;
// and a longer one in pieces of at most this many, but for its last piece.
constexpr int PieceLength = 2048;

// Offsets in 'line' (text without line breaks) where display lines start,
// ascending; none for a line of at most LongestShownLine characters. A piece
// ends after a blank or a '>' where there is one in its second half, and
// never inside a surrogate pair.
std::vector<int> breaksInLine(QStringView line);

// The same for each line of a text whose lines end in '\n' or in a
// paragraph separator, as offsets in the text.
std::vector<int> breaksInText(QStringView text);

} // namespace DisplayLines
