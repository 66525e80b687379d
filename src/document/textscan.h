#pragma once

#include "textedit.h"

#include <QString>
#include <QStringMatcher>
#include <QStringView>

// The scans of "Search" and "Replace": a literal search text, looked for
// position by position over a range fixed when the scan starts. Positions
// count from 1 in the program's text model (CR LF breaks).

// When a candidate equals the search text: letters A to Z and a to z count
// as equal in either case, no other character is folded; with the case
// flag every character must be equal.
class MatchRule
{
public:
    MatchRule(const QString &needle, bool caseSensitive);

    qsizetype length() const { return m_needle.size(); }
    bool matches(QStringView candidate) const;
    // Offset of the first match that starts at or after 'from', or -1.
    qsizetype findIn(QStringView text, qsizetype from) const;

private:
    QString m_needle;
    bool m_caseSensitive;
    bool m_folds;             // either case, and the text has ASCII letters (the only ones that fold)
    QStringMatcher m_matcher; // finds candidates when folding
};

// The positions a scan looks at: the whole text, or the selection's, each
// only as far as the search text still fits. Empty when last < first.
struct ScanRange {
    qsizetype first = 1;
    qsizetype last = 0;
};
ScanRange scanRange(qsizetype textLength, qsizetype selStart, qsizetype selLength, bool selectionOnly,
                    qsizetype needleLength);

// "Search": each match in turn over a text that does not change. After a
// match at p the next call goes on at p + 1, so overlapping matches come
// one after another.
//
// The text may also be the view's own, where one paragraph separator stands
// for each CR LF, so that a search need not copy the page into the program's
// model first; 'textFirst' is then where position range.first lies in it.
// Positions found are counted in the model all the same. A search text
// holding CR or LF needs the model's text.
class SearchScan
{
public:
    SearchScan(QStringView text, const MatchRule &rule, ScanRange range, qsizetype textFirst = -1);
    // The next match's position, or 0 when the range is done.
    qsizetype next();

private:
    QStringView m_text;
    const MatchRule &m_rule;
    qsizetype m_last;
    qsizetype m_from;    // in the text
    qsizetype m_counted; // separators are counted up to here
    qsizetype m_breaks;  // separators before m_counted
    bool m_finished = false;
};

// "Replace": like SearchScan, but a match may be replaced before the scan
// goes on at p + 1 in the changed text, while the range's end stays where it
// was at the start. The changed text is kept as the part before the scan
// position, the rest of a replacement not yet passed, and the untouched rest
// of the original, so neither a step nor a replacement copies the text.
class ReplaceScan
{
public:
    ReplaceScan(QString text, const MatchRule &rule, QString replacement, ScanRange range);

    qsizetype next(); // as SearchScan::next, over the text as it now stands
    void replace();   // replaces the match next() returned last
    qsizetype length() const;
    QString text() const;
    // What the replacements since the last call changed, as one edit of the
    // text as it stood then; empty when nothing was replaced.
    TextEdit takeEdit();

private:
    bool candidateMatches() const;
    void stepOne();
    QString mid(qsizetype from, qsizetype count) const;

    const QString m_original;
    const MatchRule &m_rule;
    const QString m_replacement;
    const qsizetype m_last;
    QString m_done;    // the text before the scan position
    QString m_pending; // replacement text after the scan position
    qsizetype m_pendingFrom = 0;
    qsizetype m_from; // the rest of the text is m_original from here
    bool m_atMatch = false;
    // The edit not yet taken: where it starts, where its last replacement ends.
    qsizetype m_changeStart = -1;
    qsizetype m_changeEnd = 0;
    qsizetype m_lengthAtTake;
};
