#pragma once

#include "documentfile.h"

#include <QObject>

#include <vector>

class TColorMemo;

// A signed byte a character: what the character adds to the file beyond
// what the text model counts for it (one, two for a line break). Kept in a
// gap buffer, so that a change costs its own size plus the distance from
// the change before it.
class ExtraBytes
{
public:
    bool exists() const { return !m_data.empty(); }
    qsizetype size() const { return qsizetype(m_data.size()) - (m_gapEnd - m_gapStart); }
    void create(qsizetype size); // that many zeros
    qint8 at(qsizetype index) const;
    void set(qsizetype index, qint8 value);
    void insert(qsizetype at, const std::vector<qint8> &values);
    qint64 erase(qsizetype at, qsizetype count); // the sum of what went

private:
    void moveGap(qsizetype to);
    std::vector<qint8> m_data;
    qsizetype m_gapStart = 0, m_gapEnd = 0;
};

// The number of bytes the page's file will hold (byte-order mark, UTF-8
// lengths, character references of an 8-bit page, CR LF breaks), followed
// per change of the memo's text: a change costs what it adds and removes,
// never a pass over the page or over the changed line. A page that holds
// only characters of one byte each keeps no table at all.
class PageBytes : public QObject
{
    Q_OBJECT

public:
    explicit PageBytes(TColorMemo &memo);

    PageEncoding encoding() const { return m_encoding; }
    // Counts made so far stay: change it only before the whole text is
    // replaced, or while the page holds only ASCII, which both encodings
    // count alike.
    void setEncoding(PageEncoding encoding) { m_encoding = encoding; }
    bool byteOrderMark() const { return m_byteOrderMark; }
    void setByteOrderMark(bool mark) { m_byteOrderMark = mark; }

    qint64 size() const;
    QByteArray encoded() const; // what saving writes
    // Reads the whole text: for commands, not for keystrokes.
    bool holdsOnlyAscii() const;

private:
    void follow(int position, int removed, int added);
    void addCharacters(int position, int count);
    void recountNeighbour(int index);
    qint8 extraOf(QChar before, QChar unit, QChar after) const;

    TColorMemo &m_memo;
    PageEncoding m_encoding = PageEncoding::EightBit;
    bool m_byteOrderMark = false;
    ExtraBytes m_extra;
    qint64 m_extraTotal = 0;
};
