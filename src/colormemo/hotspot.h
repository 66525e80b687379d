#pragma once

#include "colortypes.h"

#include <QObject>
#include <QString>

#include <optional>

// Hot-spot settings: text enclosed by two marker characters, shown like a
// link. Characters 30 and 31 do not occur in ordinary text.
class THotSpot : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QChar BeginChar MEMBER BeginChar)
    Q_PROPERTY(QChar EndChar MEMBER EndChar)
    Q_PROPERTY(quint32 Color MEMBER Color)
    Q_PROPERTY(quint32 MarkerColor MEMBER MarkerColor)
    Q_PROPERTY(bool Active MEMBER Active)
    Q_PROPERTY(bool Underlined MEMBER Underlined)

public:
    using QObject::QObject;

    void Assign(const THotSpot &source);

    QChar BeginChar = QChar(30);
    QChar EndChar = QChar(31);
    TColor Color = clBlue;
    TColor MarkerColor = clWindow;
    bool Active = false;
    bool Underlined = true;
};

// Whether a point counts as over a hot spot: 'tail' is its line from the
// character under the point on; the next marker in it is an end marker.
bool isOverHotSpot(QStringView tail, QChar beginChar, QChar endChar);

// The text of the hot spot under character 'column' of 'line', or nothing
// when the point is not inside a hot spot.
std::optional<QString> hotSpotText(QStringView line, qsizetype column, QChar beginChar, QChar endChar);
