#include "textmodel.h"

#include <QList>

#include <algorithm>

namespace TextModel {

QString fromCrlf(QStringView text)
{
    QString out(text.size(), Qt::Uninitialized);
    QChar *to = out.data();
    const QChar *from = text.data();
    const QChar *const end = from + text.size();
    while (from != end) {
        const QChar c = *from++;
        if (c == u'\r') {
            *to++ = u'\n';
            if (from != end && *from == u'\n')
                ++from;
        } else {
            *to++ = c;
        }
    }
    out.truncate(to - out.constData());
    return out;
}

QString toCrlf(QStringView text)
{
    // The breaks are found with Qt's vectorised character search and the
    // lines between them copied whole: a page's text comes out at copying speed.
    const auto nextBreak = [text](qsizetype from, QChar separator) {
        const qsizetype at = text.indexOf(separator, from);
        return at < 0 ? text.size() : at;
    };
    QList<qsizetype> breaks;
    for (qsizetype lf = nextBreak(0, u'\n'), ps = nextBreak(0, QChar::ParagraphSeparator);
         lf < text.size() || ps < text.size();) {
        if (lf < ps) {
            breaks << lf;
            lf = nextBreak(lf + 1, u'\n');
        } else {
            breaks << ps;
            ps = nextBreak(ps + 1, QChar::ParagraphSeparator);
        }
    }
    QString out(text.size() + breaks.size(), Qt::Uninitialized);
    QChar *to = out.data();
    qsizetype from = 0;
    for (const qsizetype at : std::as_const(breaks)) {
        std::copy(text.begin() + from, text.begin() + at, to);
        to += at - from;
        *to++ = u'\r';
        *to++ = u'\n';
        from = at + 1;
    }
    std::copy(text.begin() + from, text.end(), to);
    return out;
}

} // namespace TextModel
