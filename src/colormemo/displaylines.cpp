#include "displaylines.h"

#include <algorithm>

namespace DisplayLines {

namespace {

bool endsPiece(QChar c)
{
    return c == u' ' || c == u'>' || c == u'\t';
}

// Where the piece that starts at 'start' ends.
qsizetype pieceEnd(QStringView line, qsizetype start)
{
    const qsizetype longest = start + PieceLength;
    for (qsizetype at = longest; at > start + PieceLength / 2; --at) {
        if (endsPiece(line[at - 1]))
            return at;
    }
    if (line[longest - 1].isHighSurrogate() && line[longest].isLowSurrogate())
        return longest - 1;
    return longest;
}

void addBreaks(QStringView line, qsizetype offset, std::vector<int> &breaks)
{
    for (qsizetype start = 0; line.size() - start > LongestShownLine;) {
        start = pieceEnd(line, start);
        breaks.push_back(int(offset + start));
    }
}

} // namespace

std::vector<int> breaksInLine(QStringView line)
{
    std::vector<int> breaks;
    addBreaks(line, 0, breaks);
    return breaks;
}

std::vector<int> breaksInText(QStringView text)
{
    std::vector<int> breaks;
    const auto next = [text](QChar separator, qsizetype from) {
        const qsizetype at = text.indexOf(separator, from);
        return at < 0 ? text.size() : at;
    };
    // each kind of break is searched for again only once it is passed
    qsizetype lf = -1;
    qsizetype ps = -1;
    for (qsizetype start = 0;;) {
        if (lf < start)
            lf = next(u'\n', start);
        if (ps < start)
            ps = next(QChar::ParagraphSeparator, start);
        const qsizetype end = std::min(lf, ps);
        if (end - start > LongestShownLine)
            addBreaks(text.mid(start, end - start), start, breaks);
        if (end == text.size())
            return breaks;
        start = end + 1;
    }
}

} // namespace DisplayLines
