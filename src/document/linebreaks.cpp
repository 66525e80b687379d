#include "linebreaks.h"

namespace LineBreaks {

namespace {

const QStringView kBreakTag = u"<br>";

} // namespace

QString removeBreakTags(QStringView text)
{
    // "<br>" cannot overlap itself, so deleting each one as soon as its last
    // character arrives ends in the same text as deleting the first one and
    // searching again from the start, without going back.
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        out += c;
        if (c == u'>' && out.size() >= 4 && QStringView(out).right(4) == kBreakTag)
            out.chop(4);
    }
    return out;
}

QString convertBreaks(QStringView text, bool afterLastLine)
{
    QString out;
    out.reserve(text.size() + text.size() / 8);
    for (const QChar c : text) {
        if (c == u'\r')
            out += kBreakTag;
        out += c;
    }
    if (afterLastLine && !out.isEmpty()) {
        // Positions from 1: the four characters at L - 5, the start kept at 1 at least.
        const qsizetype from = qMax<qsizetype>(0, out.size() - 6);
        if (QStringView(out).mid(from, 4) != kBreakTag)
            out += kBreakTag;
    }
    return out;
}

QString setLineBreaks(QStringView text, bool afterLastLine)
{
    return convertBreaks(removeBreakTags(text), afterLastLine);
}

EmptyLinesResult removeEmptyLines(QStringView text)
{
    // The text as the walk sees it is 'out' followed by text[from ..]. At
    // step i (from 1) 'out' holds the i - 1 characters before position i;
    // a deletion only ever takes characters after position i, so what is
    // in 'out' is final.
    EmptyLinesResult result;
    QString &out = result.text;
    out.reserve(text.size());
    const qsizetype steps = text.size() - 5;
    qsizetype from = 0;
    for (qsizetype i = 1; i <= steps; ++i) {
        if (from >= text.size())
            break;
        if (text.mid(from, 4) == u"\r\n\r\n") {
            out += text[from];
            from += 3;
            if (result.firstChange < 0)
                result.firstChange = int(out.size());
            result.caret = int(out.size());
            ++result.deletions;
        } else {
            out += text[from++];
        }
    }
    out += text.mid(from);
    return result;
}

} // namespace LineBreaks
