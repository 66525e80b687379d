#pragma once

#include "colorpass.h"
#include "displaybreaks.h"
#include "rulescans.h"
#include "textwindow.h"

#include <QKeySequence>
#include <QList>
#include <QPlainTextEdit>

#include <functional>
#include <utility>
#include <vector>

class TDrawRules;
class THotSpot;

// The multi-line edit control of the document windows. Positions, lengths
// and texts at its interface follow the program's text model, where every
// line break is CR LF (two characters); inside, Qt's document keeps one
// separator per line and nothing here copies the whole text unless asked to.
//
// A line too long to show whole is shown as display lines: Qt's document
// holds it in several blocks, joined by display breaks that are no part of
// the text (see DisplayBreaks). Everything at the interface, and the keys
// that move the caret or delete, see the text as if they were not there.
//
// It colours the visible text by its rules: each colour pass reads only the
// visible lines and sets the runs it finds as character formats of those
// lines' layouts, so the colours sit exactly on the view's own glyphs.
// Colouring never changes the text, the modified flag or the undo stack.
class TColorMemo : public QPlainTextEdit
{
    Q_OBJECT
    Q_PROPERTY(qint32 ColorLimMax READ ColorLimMax WRITE setColorLimMax)
    Q_PROPERTY(bool RedrawAlways READ RedrawAlways WRITE setRedrawAlways)

public:
    using TNotifyEvent = std::function<void(TColorMemo *sender)>;
    using THotSpotClickEvent = std::function<void(TColorMemo *sender, const QString &src)>;
    // Draws a keyword run in place of the memo; the painter's pen already
    // has the run's colour, kColor is the memo's font colour.
    using TKeyDrawEvent = std::function<void(QPainter &canvas, const QString &pKey, const QRect &rect, TColor kColor)>;

    explicit TColorMemo(QWidget *parent = nullptr);
    ~TColorMemo() override;

    // The whole text with CR LF breaks (a copy: not for the keystroke path).
    QString text() const;
    // The whole text with one paragraph separator per line break, as Qt's
    // document gives it, less the display breaks (a copy, made faster).
    QString rawText() const;
    // Where a position lies in rawText().
    int rawPosition(int position) const;
    // Replaces rawText()'s characters from .. to - 1 with a text whose
    // lines end in '\n' or a paragraph separator, as one edit.
    void replaceRawRange(int from, int to, const QString &text);
    // Replaces the whole text; CR LF, lone CR and lone LF all break lines.
    void setText(const QString &text);
    // Replaces the whole text with one that already has '\n' breaks only.
    void setModelText(const QString &text);

    int textLength() const;
    int lineCount() const;
    // The display breaks in Qt's document: each is a block separator there
    // and no character of the text.
    int displayBreakCount() const { return m_breaks.count(); }

    int selStart() const;
    void setSelStart(int position); // collapses the selection there
    int selLength() const;
    void setSelLength(int length); // selects from SelStart, shows the caret
    QString selText() const;
    QString selModelText() const; // the same with '\n' breaks
    // Replaces the selection (or inserts at the caret); the caret ends after
    // the inserted text with nothing selected.
    void setSelText(const QString &text);
    // The same for a text that already has '\n' breaks only.
    void setSelModelText(const QString &text);

    bool modified() const;
    void setModified(bool modified);

    // Key sequences the owner's commands use: the memo lets them through to
    // the owner instead of handling them itself (Ctrl+A, Ctrl+Z, ...).
    void setReservedShortcuts(const QList<QKeySequence> &shortcuts);

    TDrawRules &ColorRules() const { return *m_rules; }
    void setColorRules(const TDrawRules &rules); // copies the rules
    qint32 ColorLimMax() const { return qint32(m_descriptors.size()); }
    void setColorLimMax(qint32 records);
    bool RedrawAlways() const { return m_redrawAlways; }
    void setRedrawAlways(bool redrawAlways) { m_redrawAlways = redrawAlways; }
    THotSpot &HotSpot() const { return *m_hotSpot; }
    void setHotSpot(const THotSpot &hotSpot);

    void setOnVScroll(TNotifyEvent handler) { m_onVScroll = std::move(handler); }
    void setOnHScroll(TNotifyEvent handler) { m_onHScroll = std::move(handler); }
    void setOnHotSpotClick(THotSpotClickEvent handler) { m_onHotSpotClick = std::move(handler); }
    void setOnDraw(TDrawEvent handler) { m_onDraw = std::move(handler); }
    void setOnDrawKey(TKeyDrawEvent handler) { m_onDrawKey = std::move(handler); }

    // The colour pass: over the visible lines, or over the caret's line only.
    virtual void paintColors(bool caretLineOnly);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;
    QMimeData *createMimeDataFromSelection() const override;

private:
    void setTabStopsFromFont();
    bool canColour() const;
    void recolourAfterChange();
    void followContents(int position, int removed, int added);
    std::pair<int, int> countedLines() const; // line count and text length
    void stepOverDisplayBreak(const QKeyEvent *event);
    bool breakIntoDisplayLine(const QKeyEvent *event);
    bool mayOutgrowShownLine(qsizetype typed) const;
    void applyRuns(const std::vector<TKeyDescr> &runs);
    void setBlockFormats(const QTextBlock &block, const QList<QTextLayout::FormatRange> &formats);
    void clearVisibleFormats();
    // clears the blocks from 'block' (whose top is at 'top') to the view's bottom
    void clearFormatsFrom(QTextBlock block, qreal top);
    void drawKeysByHandler();
    void drawKeyParts(QPainter &painter, TColor color, const QTextLayout &layout, const QString &text, QPointF topLeft,
                      int from, int to);
    void trackHotSpot(const QPoint &position);
    void clickHotSpot(const QPoint &position);
    void onScrolled(int side, bool byScrollBar); // side 1: vertical

    QList<QKeySequence> m_reserved;

    TDrawRules *m_rules;
    THotSpot *m_hotSpot;
    std::vector<TKeyDescr> m_descriptors; // ColorLimMax records for OnDraw
    bool m_redrawAlways = false;
    TNotifyEvent m_onVScroll;
    TNotifyEvent m_onHScroll;
    THotSpotClickEvent m_onHotSpotClick;
    TDrawEvent m_onDraw;
    TKeyDrawEvent m_onDrawKey;

    ColorPass m_pass;
    TextWindow m_window;
    std::vector<TKeyDescr> m_handlerKeys; // keyword runs OnDrawKey draws
    DisplayBreaks m_breaks;
    bool m_inPass = false;
    // Inside an edit, of the memo's own or Qt's: colouring would lay blocks
    // out anew, which takes the edit's pending change report away from Qt's
    // document, and the memo would lose count of the text.
    bool m_editing = false;
    bool m_coloured = false; // some block may carry colour formats
    bool m_overHotSpot = false;
    bool m_scrollBarAction[2] = {false, false};
    int m_seenScroll[2] = {0, 0};
    int m_cachedLineCount = 0;
    int m_cachedLength = 0;
    // The document's character count and whether its last line is empty,
    // followed from its change reports so that a keystroke never walks the
    // document's block tree to its end.
    int m_characters = 1;
    bool m_lastLineEmpty = false;
};
