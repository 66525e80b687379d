#pragma once

#include <QString>
#include <QStringView>

// One change of a text, in the program's text model (CR LF breaks): the
// characters from 'start' to 'start + removed' give way to 'inserted'. A
// command that makes many changes hands the text view one of these, so the
// view takes them as a single edit.
struct TextEdit {
    qsizetype start = 0;
    qsizetype removed = 0;
    QString inserted;

    bool isEmpty() const { return removed == 0 && inserted.isEmpty(); }
};

// Widens the changed part [start, end) of a text of 'size' characters so
// that it splits no CR LF pair: the view keeps a line break whole.
template <typename CharAt>
void widenToLineBreaks(qsizetype &start, qsizetype &end, qsizetype size, CharAt charAt)
{
    if (start > 0 && charAt(start - 1) == u'\r')
        --start;
    if (end < size && charAt(end) == u'\n')
        ++end;
}

// The edit that turned a text of 'beforeLength' characters into 'after',
// where only after[start .. end) differs from it.
TextEdit editOf(QStringView after, qsizetype beforeLength, qsizetype start, qsizetype end);
