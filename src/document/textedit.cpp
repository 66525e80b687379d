#include "textedit.h"

TextEdit editOf(QStringView after, qsizetype beforeLength, qsizetype start, qsizetype end)
{
    widenToLineBreaks(start, end, after.size(), [after](qsizetype i) { return after[i]; });
    const qsizetype tail = after.size() - end;
    return {start, beforeLength - tail - start, after.mid(start, end - start).toString()};
}
