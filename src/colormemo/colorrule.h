#pragma once

#include "colortypes.h"
#include "keycompile.h"
#include "rulescans.h"

#include <QObject>
#include <QStringList>

class TKeyDescrList;

// One colouring rule: what to look for, in which colour, with which
// priority. The properties are declared in the order in which a rule is
// stored, each with the default the constructor sets.
class TColorRule : public QObject
{
    Q_OBJECT
    Q_PROPERTY(quint8 ZOrder READ ZOrder WRITE setZOrder)
    Q_PROPERTY(QString IntChar READ IntChar WRITE setIntChar)
    Q_PROPERTY(QStringList Keywords READ Keywords WRITE setKeywords)
    Q_PROPERTY(QStringList KeyBegEndLst READ KeyBegEndLst WRITE setKeyBegEndLst)
    Q_PROPERTY(QStringList KeyLineEndLst READ KeyLineEndLst WRITE setKeyLineEndLst)
    Q_PROPERTY(qint32 KeyMaxHeight READ KeyMaxHeight WRITE setKeyMaxHeight)
    Q_PROPERTY(TKeyDrawingType KeyDrawingType READ KeyDrawingType WRITE setKeyDrawingType)
    Q_PROPERTY(bool KeyCase READ KeyCase WRITE setKeyCase)
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabled)
    Q_PROPERTY(bool PartWord READ PartWord WRITE setPartWord)
    Q_PROPERTY(quint32 DefKeyColor READ DefKeyColor WRITE setDefKeyColor)
    Q_PROPERTY(quint32 KeySelColor READ KeySelColor WRITE setKeySelColor)
    Q_PROPERTY(quint32 KeyBrushColor READ KeyBrushColor WRITE setKeyBrushColor)

public:
    enum TKeyDrawingType : quint8 { dtKeyShow, dtEventDraw, dtBeginEnd, dtBeginLineEnd };
    Q_ENUM(TKeyDrawingType)

    explicit TColorRule(QObject *parent = nullptr);

    // Copies everything but KeySelColor and IntChar; the lists go through
    // their setters, so they are compiled.
    void Assign(const TColorRule &source);

    quint8 ZOrder() const { return m_zOrder; }
    void setZOrder(quint8 zOrder) { m_zOrder = zOrder; }
    QString IntChar() const { return m_intChar; }
    void setIntChar(const QString &intChar) { m_intChar = intChar; }
    QStringList Keywords() const { return m_keywords; }
    void setKeywords(const QStringList &keywords);
    QStringList KeyBegEndLst() const { return m_keyBegEndLst; }
    void setKeyBegEndLst(const QStringList &lines);
    QStringList KeyLineEndLst() const { return m_keyLineEndLst; }
    void setKeyLineEndLst(const QStringList &lines);
    qint32 KeyMaxHeight() const { return m_keyMaxHeight; }
    void setKeyMaxHeight(qint32 lines) { m_keyMaxHeight = lines; }
    TKeyDrawingType KeyDrawingType() const { return m_drawingType; }
    void setKeyDrawingType(TKeyDrawingType type) { m_drawingType = type; }
    bool KeyCase() const { return m_keyCase; }
    void setKeyCase(bool keyCase) { m_keyCase = keyCase; } // compiled at the next Prepare
    bool Enabled() const { return m_enabled; }
    void setEnabled(bool enabled) { m_enabled = enabled; }
    bool PartWord() const { return m_partWord; }
    void setPartWord(bool partWord) { m_partWord = partWord; }
    TColor DefKeyColor() const { return m_defKeyColor; }
    void setDefKeyColor(TColor color) { m_defKeyColor = color; }
    TColor KeySelColor() const { return m_keySelColor; }
    void setKeySelColor(TColor color) { m_keySelColor = color; }
    TColor KeyBrushColor() const { return m_keyBrushColor; }
    void setKeyBrushColor(TColor color) { m_keyBrushColor = color; }

    // Recompiles from the rule's own lists; true when one of the lists it
    // uses has lines.
    bool Prepare();

    // Stores the ranges this rule finds in the window. OnDraw and its
    // descriptor array serve dtEventDraw rules.
    void Scan(TKeyDescrList &ranges, const ScanWindow &window, const TDrawEvent &onDraw,
              std::span<TKeyDescr> descriptors);

    const CompiledKeywords &compiledKeywords() const { return m_compiled; }
    const MarkerTable &markerTable() const { return m_markers; }

private:
    void compileKeywordList(const QStringList &lines);

    quint8 m_zOrder = 0;
    QString m_intChar;
    QStringList m_keywords;
    QStringList m_keyBegEndLst;
    QStringList m_keyLineEndLst;
    qint32 m_keyMaxHeight = 1;
    TKeyDrawingType m_drawingType = dtBeginEnd;
    bool m_keyCase = false;
    bool m_enabled = true;
    bool m_partWord = false;
    TColor m_defKeyColor = clRed;
    TColor m_keySelColor = clYellow;
    TColor m_keyBrushColor = clWindow;

    CompiledKeywords m_compiled;
    // what m_compiled was built from, so that an unchanged list is not rebuilt
    QStringList m_compiledFrom;
    bool m_compiledKeyCase = false;
    TColor m_compiledDefColor = 0;
    MarkerTable m_markers;
    KeyScanScratch m_keyScratch;
};
