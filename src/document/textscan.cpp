#include "textscan.h"

#include <algorithm>

namespace {

bool isAsciiLetter(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z');
}

} // namespace

MatchRule::MatchRule(const QString &needle, bool caseSensitive)
    : m_needle(needle),
      m_caseSensitive(caseSensitive),
      m_folds(!caseSensitive && std::any_of(needle.begin(), needle.end(), isAsciiLetter)),
      m_matcher(needle, Qt::CaseInsensitive)
{
}

bool MatchRule::matches(QStringView candidate) const
{
    if (candidate.size() != m_needle.size())
        return false;
    for (qsizetype i = 0; i < candidate.size(); ++i) {
        const QChar a = candidate[i];
        const QChar b = m_needle[i];
        if (a == b)
            continue;
        if (m_caseSensitive || !isAsciiLetter(a) || !isAsciiLetter(b) || (a.unicode() | 0x20) != (b.unicode() | 0x20))
            return false;
    }
    return true;
}

qsizetype MatchRule::findIn(QStringView text, qsizetype from) const
{
    if (!m_folds)
        return text.indexOf(m_needle, from);
    // Qt's folding takes every letter that ours takes and more (accented
    // letters among them): each of its finds is checked against our rule.
    for (;;) {
        const qsizetype at = m_matcher.indexIn(text, from);
        if (at < 0 || matches(text.mid(at, m_needle.size())))
            return at;
        from = at + 1;
    }
}

ScanRange scanRange(qsizetype textLength, qsizetype selStart, qsizetype selLength, bool selectionOnly,
                    qsizetype needleLength)
{
    if (selectionOnly)
        return {selStart + 1, selStart + selLength - needleLength + 1};
    return {1, textLength - needleLength + 1};
}

SearchScan::SearchScan(QStringView text, const MatchRule &rule, ScanRange range, qsizetype textFirst)
    : m_text(text),
      m_rule(rule),
      m_last(range.last)
{
    const qsizetype first = qMax<qsizetype>(1, range.first);
    m_from = textFirst < 0 ? first - 1 : textFirst;
    m_counted = m_from;
    m_breaks = first - 1 - m_from;
}

qsizetype SearchScan::next()
{
    // m_from + m_breaks + 1 is the least model position m_from can have.
    const qsizetype at = m_finished || m_from + m_breaks + 1 > m_last ? -1 : m_rule.findIn(m_text, m_from);
    if (at < 0) {
        m_finished = true;
        return 0;
    }
    const QStringView between = m_text.mid(m_counted, at - m_counted);
    m_breaks += std::count(between.begin(), between.end(), QChar::ParagraphSeparator);
    m_counted = at;
    const qsizetype position = at + m_breaks + 1;
    if (position > m_last) {
        m_finished = true;
        return 0;
    }
    m_from = at + 1;
    return position;
}

ReplaceScan::ReplaceScan(QString text, const MatchRule &rule, QString replacement, ScanRange range)
    : m_original(std::move(text)),
      m_rule(rule),
      m_replacement(std::move(replacement)),
      m_last(range.last),
      m_from(qBound<qsizetype>(0, range.first - 1, m_original.size())),
      m_lengthAtTake(m_original.size())
{
    m_done.reserve(m_original.size());
    m_done += QStringView(m_original).left(m_from);
}

qsizetype ReplaceScan::next()
{
    if (m_atMatch) {
        stepOne();
        m_atMatch = false;
    }
    for (;;) {
        const qsizetype position = m_done.size() + 1;
        if (position > m_last)
            return 0;
        if (m_pendingFrom < m_pending.size()) {
            // Inside a replacement: its tail and what follows may form a match.
            if (candidateMatches()) {
                m_atMatch = true;
                return position;
            }
            stepOne();
            continue;
        }
        const qsizetype at = m_rule.findIn(m_original, m_from);
        if (at < 0 || position + (at - m_from) > m_last)
            return 0;
        m_done += QStringView(m_original).mid(m_from, at - m_from);
        m_from = at;
        m_atMatch = true;
        return m_done.size() + 1;
    }
}

bool ReplaceScan::candidateMatches() const
{
    const qsizetype n = m_rule.length();
    const qsizetype fromPending = qMin(n, m_pending.size() - m_pendingFrom);
    if (fromPending + (m_original.size() - m_from) < n)
        return false;
    QString candidate = QStringView(m_pending).mid(m_pendingFrom, fromPending).toString();
    candidate += QStringView(m_original).mid(m_from, n - fromPending);
    return m_rule.matches(candidate);
}

void ReplaceScan::stepOne()
{
    if (m_pendingFrom < m_pending.size()) {
        m_done += m_pending[m_pendingFrom++];
        if (m_pendingFrom == m_pending.size()) {
            m_pending.clear();
            m_pendingFrom = 0;
        }
    } else if (m_from < m_original.size()) {
        m_done += m_original[m_from++];
    }
}

void ReplaceScan::replace()
{
    const qsizetype n = m_rule.length();
    const qsizetype fromPending = qMin(n, m_pending.size() - m_pendingFrom);
    m_from += n - fromPending;
    QString pending = m_replacement;
    pending += QStringView(m_pending).mid(m_pendingFrom + fromPending);
    m_pending = std::move(pending);
    m_pendingFrom = 0;
    // The edit ends after this replacement, or after an earlier one that
    // reaches further.
    const qsizetype at = m_done.size();
    const qsizetype end = at + m_replacement.size();
    m_changeEnd = m_changeStart < 0 ? end : qMax(end, m_changeEnd - n + m_replacement.size());
    if (m_changeStart < 0)
        m_changeStart = at;
}

qsizetype ReplaceScan::length() const
{
    return m_done.size() + (m_pending.size() - m_pendingFrom) + (m_original.size() - m_from);
}

QString ReplaceScan::mid(qsizetype from, qsizetype count) const
{
    QString out;
    out.reserve(count);
    const QStringView pending = QStringView(m_pending).mid(m_pendingFrom);
    const QStringView rest = QStringView(m_original).mid(m_from);
    for (QStringView part : {QStringView(m_done), pending, rest}) {
        if (count <= 0)
            break;
        if (from < part.size()) {
            const QStringView piece = part.mid(from, count);
            out += piece;
            count -= piece.size();
            from = 0;
        } else {
            from -= part.size();
        }
    }
    return out;
}

QString ReplaceScan::text() const
{
    return mid(0, length());
}

TextEdit ReplaceScan::takeEdit()
{
    if (m_changeStart < 0)
        return {};
    const qsizetype size = length();
    qsizetype start = m_changeStart;
    qsizetype end = m_changeEnd;
    widenToLineBreaks(start, end, size, [this](qsizetype i) { return mid(i, 1).at(0); });
    const qsizetype tail = size - end;
    TextEdit edit{start, m_lengthAtTake - tail - start, mid(start, end - start)};
    m_lengthAtTake = size;
    m_changeStart = -1;
    return edit;
}
