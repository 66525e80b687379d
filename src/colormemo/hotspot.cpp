#include "hotspot.h"

void THotSpot::Assign(const THotSpot &source)
{
    BeginChar = source.BeginChar;
    EndChar = source.EndChar;
    Color = source.Color;
    MarkerColor = source.MarkerColor;
    Active = source.Active;
    Underlined = source.Underlined;
}

bool isOverHotSpot(QStringView tail, QChar beginChar, QChar endChar)
{
    const qsizetype end = tail.indexOf(endChar);
    if (end < 0)
        return false;
    const qsizetype begin = tail.indexOf(beginChar);
    return begin < 0 || begin > end || beginChar == endChar;
}

std::optional<QString> hotSpotText(QStringView line, qsizetype column, QChar beginChar, QChar endChar)
{
    column = qBound<qsizetype>(0, column, line.size());
    const QStringView tail = line.mid(column);
    if (!isOverHotSpot(tail, beginChar, endChar))
        return std::nullopt;
    const QStringView right = tail.left(tail.indexOf(endChar));
    const QStringView leftText = line.left(column);
    const QStringView left = leftText.mid(leftText.lastIndexOf(beginChar) + 1);
    return left.toString() + right.toString();
}
