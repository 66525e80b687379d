#include "colorrule.h"

#include "keydescrlist.h"

TColorRule::TColorRule(QObject *parent) : QObject(parent)
{
}

void TColorRule::Assign(const TColorRule &source)
{
    if (&source == this)
        return;
    m_drawingType = source.m_drawingType;
    m_zOrder = source.m_zOrder;
    m_keyMaxHeight = source.m_keyMaxHeight;
    m_keyCase = source.m_keyCase;
    m_enabled = source.m_enabled;
    m_partWord = source.m_partWord;
    m_defKeyColor = source.m_defKeyColor;
    m_keyBrushColor = source.m_keyBrushColor;
    setKeywords(source.m_keywords);
    setKeyLineEndLst(source.m_keyLineEndLst);
    setKeyBegEndLst(source.m_keyBegEndLst);
}

void TColorRule::compileKeywordList(const QStringList &lines)
{
    if (lines == m_compiledFrom && m_keyCase == m_compiledKeyCase && m_defKeyColor == m_compiledDefColor)
        return; // compiling again would give the same
    m_compiled = compileKeywords(lines, m_keyCase, m_defKeyColor);
    m_compiledFrom = lines;
    m_compiledKeyCase = m_keyCase;
    m_compiledDefColor = m_defKeyColor;
}

void TColorRule::setKeywords(const QStringList &keywords)
{
    compileKeywordList(keywords);
    m_keywords = keywords;
}

void TColorRule::setKeyBegEndLst(const QStringList &lines)
{
    compileBeginEndList(m_markers, lines, m_defKeyColor);
    m_keyBegEndLst = lines;
}

void TColorRule::setKeyLineEndLst(const QStringList &lines)
{
    compileLineEndList(m_markers, lines, m_defKeyColor);
    m_keyLineEndLst = lines;
}

bool TColorRule::Prepare()
{
    bool hasLines = !m_keyBegEndLst.isEmpty();
    compileBeginEndList(m_markers, m_keyBegEndLst, m_defKeyColor);
    if (m_drawingType == dtKeyShow) {
        compileKeywordList(m_keywords);
        hasLines = hasLines || !m_keywords.isEmpty();
    }
    if (m_drawingType == dtBeginLineEnd) {
        compileLineEndList(m_markers, m_keyLineEndLst, m_defKeyColor);
        hasLines = hasLines || !m_keyLineEndLst.isEmpty();
    }
    return hasLines;
}

void TColorRule::Scan(TKeyDescrList &ranges, const ScanWindow &window, const TDrawEvent &onDraw,
                      std::span<TKeyDescr> descriptors)
{
    switch (m_drawingType) {
    case dtKeyShow:
        scanKeywords(m_compiled, {m_keyCase, m_partWord, m_defKeyColor, m_zOrder}, window, m_keyScratch, ranges);
        break;
    case dtEventDraw: scanEventDraw(this, onDraw, descriptors, m_zOrder, window, ranges); break;
    case dtBeginEnd: scanMarkers(m_markers, false, m_zOrder, window, ranges); break;
    case dtBeginLineEnd: scanMarkers(m_markers, true, m_zOrder, window, ranges); break;
    }
}
