#pragma once

#include <QString>
#include <QStringView>

// The line-break tools of the Edit menu, over texts in the program's model
// (CR LF breaks). Each costs time linear in its text.
namespace LineBreaks {

// Deletes every "<br>" (lower case only), also those that a deletion brings
// together: "<b<br>r>" becomes empty.
QString removeBreakTags(QStringView text);

// Writes "<br>" before every CR. With 'afterLastLine' (the setting's "1")
// a result that does not end in "<br>" CR LF gets "<br>" appended: the test
// looks at the four characters that start six from the end.
QString convertBreaks(QStringView text, bool afterLastLine);

// "Set line breaks": old "<br>" out first, so running it twice changes nothing more.
QString setLineBreaks(QStringView text, bool afterLastLine);

// "Remove empty lines": each CR LF CR LF met while walking positions 1 to
// N - 5 of the original length loses its middle LF CR; the walk never steps
// back, so a run of empty lines is about halved and the last characters are
// never looked at.
struct EmptyLinesResult {
    QString text;
    int deletions = 0;
    int firstChange = -1; // offset of the first deletion
    int caret = -1;       // where the last deletion left the caret
};
EmptyLinesResult removeEmptyLines(QStringView text);

} // namespace LineBreaks
