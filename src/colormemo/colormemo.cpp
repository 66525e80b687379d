#include "colormemo.h"

#include "drawrules.h"
#include "hotspot.h"
#include "runformats.h"
#include "textmodel.h"

#include <QFontMetricsF>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>

#include <climits>
#include <utility>

namespace {

// A long block's formats cover only its lines in view and this many
// characters around them, rounded to a multiple of it: Qt lays a block out
// again whenever its formats change, at a cost that grows with the number
// of format ranges, and rounding lets typing and small scrolls keep the
// same formats.
constexpr int ShownMargin = 8192;

} // namespace

TColorMemo::TColorMemo(QWidget *parent)
    : QPlainTextEdit(parent)
    , m_rules(new TDrawRules(this))
    , m_hotSpot(new THotSpot(this))
{
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setTabChangesFocus(false);
    setTabStopsFromFont();
    viewport()->setMouseTracking(true); // hot spots follow the pointer

    // Reported before textChanged, so both are current when the owner hears of a change.
    connect(document(), &QTextDocument::contentsChange, this, &TColorMemo::followContents);
    connect(this, &QPlainTextEdit::textChanged, this, &TColorMemo::recolourAfterChange);
    // OnVScroll and OnHScroll report scrolling through the scroll bars: an
    // action on the bar either moves the value after it is announced, or
    // (page steps) has the view scroll itself before our handler hears of it.
    for (const Qt::Orientation orientation : {Qt::Vertical, Qt::Horizontal}) {
        QScrollBar *bar = orientation == Qt::Vertical ? verticalScrollBar() : horizontalScrollBar();
        const int side = orientation == Qt::Vertical;
        connect(bar, &QScrollBar::actionTriggered, this, [this, bar, side] {
            if (bar->value() != m_seenScroll[side])
                onScrolled(side, true);
            else
                m_scrollBarAction[side] = bar->sliderPosition() != bar->value();
        });
        connect(bar, &QScrollBar::valueChanged, this, [this, side] { onScrolled(side, m_scrollBarAction[side]); });
    }
}

TColorMemo::~TColorMemo() = default;

QString TColorMemo::text() const
{
    return TextModel::toCrlf(document()->toRawText());
}

void TColorMemo::setText(const QString &text)
{
    setModelText(TextModel::fromCrlf(text));
}

void TColorMemo::setModelText(const QString &text)
{
    setPlainText(text);
}

int TColorMemo::textLength() const
{
    return m_characters - 1 + document()->blockCount() - 1;
}

void TColorMemo::followContents(int position, int removed, int added)
{
    m_characters += added - removed;
    // Only a change that reaches the last line can empty or fill it.
    if (position + added >= m_characters - 2) {
        const QTextDocument *doc = document();
        m_lastLineEmpty = doc->blockCount() > 1 && doc->lastBlock().length() == 1;
    }
    // A character typed within a line is coloured now, before the view lays
    // the line out again: new formats set afterwards would have the line
    // laid out a second time, which in a long line costs as much again.
    const QTextCursor cursor = textCursor();
    if (!m_redrawAlways && removed == 0 && added == 1 && !cursor.hasSelection() && cursor.position() == position + 1
        && countedLines() == std::pair(m_cachedLineCount, m_cachedLength + 1)) {
        paintColors(true);
        m_colouredEarly = true;
    }
}

std::pair<int, int> TColorMemo::countedLines() const
{
    // Lines as the program counts them: a last empty line does not count.
    return {document()->blockCount() - (m_lastLineEmpty ? 1 : 0), textLength() - (m_lastLineEmpty ? 2 : 0)};
}

int TColorMemo::lineCount() const
{
    return document()->blockCount();
}

int TColorMemo::selStart() const
{
    return TextModel::fromDocument(*document(), textCursor().selectionStart());
}

void TColorMemo::setSelStart(int position)
{
    QTextCursor cursor = textCursor();
    cursor.setPosition(TextModel::toDocument(*document(), position));
    setTextCursor(cursor);
}

int TColorMemo::selLength() const
{
    const QTextCursor cursor = textCursor();
    if (!cursor.hasSelection())
        return 0;
    return TextModel::fromDocument(*document(), cursor.selectionEnd())
           - TextModel::fromDocument(*document(), cursor.selectionStart());
}

void TColorMemo::setSelLength(int length)
{
    QTextCursor cursor = textCursor();
    const int start = cursor.selectionStart();
    const int end = TextModel::toDocument(*document(),
                                          TextModel::fromDocument(*document(), start) + qMax(0, length));
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    setTextCursor(cursor);
    ensureCursorVisible();
}

QString TColorMemo::selText() const
{
    return TextModel::toCrlf(textCursor().selectedText());
}

void TColorMemo::setSelText(const QString &text)
{
    setSelModelText(TextModel::fromCrlf(text));
}

void TColorMemo::setSelModelText(const QString &text)
{
    QTextCursor cursor = textCursor();
    cursor.insertText(text);
    setTextCursor(cursor);
}

bool TColorMemo::modified() const
{
    return document()->isModified();
}

void TColorMemo::setModified(bool modified)
{
    document()->setModified(modified);
}

void TColorMemo::setReservedShortcuts(const QList<QKeySequence> &shortcuts)
{
    m_reserved = shortcuts;
}

void TColorMemo::setTabStopsFromFont()
{
    // A memo's tab is 8 blanks of its font wide, as it prints.
    setTabStopDistance(8 * QFontMetricsF(font()).horizontalAdvance(QLatin1Char(' ')));
}

bool TColorMemo::event(QEvent *event)
{
    if (event->type() == QEvent::FontChange)
        setTabStopsFromFont();
    if (event->type() == QEvent::ShortcutOverride) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const QKeySequence pressed(key->keyCombination());
        if (m_reserved.contains(pressed)) {
            event->ignore(); // leave the key to the owner's command
            return true;
        }
    }
    return QPlainTextEdit::event(event);
}

void TColorMemo::setColorRules(const TDrawRules &rules)
{
    m_rules->Assign(rules);
}

void TColorMemo::setColorLimMax(qint32 records)
{
    if (records == ColorLimMax())
        return;
    std::vector<TKeyDescr>(std::size_t(std::max(0, records))).swap(m_descriptors);
}

void TColorMemo::setHotSpot(const THotSpot &hotSpot)
{
    m_hotSpot->Assign(hotSpot);
}

bool TColorMemo::canColour() const
{
    return isEnabled() && isVisible() && (m_rules->count() > 0 || m_hotSpot->Active);
}

void TColorMemo::paintColors(bool caretLineOnly)
{
    if (m_inPass)
        return; // a relayout inside the pass reported a change of the view
    if (!canColour()) {
        clearVisibleFormats();
        return;
    }
    // Positions are looked up as few times as possible: in a large document
    // each lookup walks the document's block tree.
    QTextDocument *doc = document();
    const QTextCursor cursor = textCursor();
    const QTextBlock caretBlock = doc->findBlock(cursor.selectionStart());
    const int caretLineStart = caretBlock.position() + caretBlock.blockNumber();
    PassView view;
    view.selStart = caretLineStart + cursor.selectionStart() - caretBlock.position();
    view.selLength = cursor.hasSelection() ? TextModel::fromDocument(*doc, cursor.selectionEnd()) - view.selStart : 0;
    view.caretLineStart = caretLineStart;
    view.redrawAlways = m_redrawAlways;

    const QTextBlock topBlock = firstVisibleBlock();
    if (!topBlock.isValid())
        return;
    const QTextBlock first = caretLineOnly ? caretBlock : topBlock;
    QTextBlock scanStart = first;
    const qint64 above = m_rules->count() > 0 ? qint64(m_rules->at(0)->KeyMaxHeight()) - 1 : 0;
    if (above > 0)
        scanStart = doc->findBlockByNumber(int(std::max<qint64>(0, first.blockNumber() - above)));

    // Whole blocks whose first line fits in the view; a block partly
    // scrolled off the top still counts, one cut by the bottom edge does not.
    // Block tops are summed from the top block: asking the view for a
    // block's place would count the blocks above it again.
    const qreal viewHeight = viewport()->height();
    qreal top = blockBoundingGeometry(topBlock).translated(contentOffset()).top();
    if (caretLineOnly) {
        QTextBlock block = topBlock;
        while (block.isValid() && block != caretBlock && top < viewHeight) {
            top += blockBoundingRect(block).height();
            block = block.next();
        }
        if (block != caretBlock)
            top = viewHeight; // the caret's line is not in view
    }
    QTextBlock last = first.previous(); // before 'first': no visible line
    QTextBlock cutBlock;
    qreal cutTop = 0;
    m_shownTops.clear();
    for (QTextBlock block = first; block.isValid(); block = block.next()) {
        const qreal height = blockBoundingRect(block).height();
        const QTextLayout *layout = block.layout();
        const qreal lineHeight = layout && layout->lineCount() > 0 ? layout->lineAt(0).height()
                                                                   : fontMetrics().height();
        if (top + height <= 0 || (top >= 0 && top + lineHeight > viewHeight)) {
            cutBlock = block;
            cutTop = top;
            break;
        }
        last = block;
        m_shownTops.push_back(top);
        top += height;
        if (caretLineOnly)
            break;
    }
    const int origin = scanStart == caretBlock ? caretLineStart : scanStart.position() + scanStart.blockNumber();
    m_window.read(scanStart, origin, last, cutBlock.isValid());

    m_inPass = true;
    const std::vector<TKeyDescr> &runs = m_pass.run(*m_rules, *m_hotSpot, view, m_window.window(), m_onDraw,
                                                    m_descriptors);
    applyRuns(runs);
    if (!caretLineOnly)
        clearFormatsFrom(cutBlock, cutTop); // the blocks cut by the bottom edge show no colours
    m_inPass = false;
}

void TColorMemo::applyRuns(const std::vector<TKeyDescr> &runs)
{
    RunFormatter formatter(palette(), m_hotSpot->Underlined, bool(m_onDrawKey));
    const std::vector<TextWindow::Block> &blocks = m_window.blocks();
    // the window ends with the blocks in view; any before them lie above it
    const std::size_t above = blocks.size() - m_shownTops.size();
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        const TextWindow::Block &block = blocks[i];
        const auto [from, to] = i < above ? std::pair(0, INT_MAX) : shownPart(block.block, m_shownTops[i - above]);
        setBlockFormats(block.block, formatter.forBlock(runs, block.start, block.length, from, to));
    }
    m_handlerKeys.clear();
    if (m_onDrawKey) {
        std::copy_if(runs.begin(), runs.end(), std::back_inserter(m_handlerKeys),
                     [](const TKeyDescr &run) { return run.IsKey != 0; });
    }
}

std::pair<int, int> TColorMemo::shownPart(const QTextBlock &block, qreal top) const
{
    const QTextLayout *layout = block.layout();
    const int count = layout ? layout->lineCount() : 0;
    if (block.length() <= ShownMargin || count == 0)
        return {0, INT_MAX};
    // lines lie in the order of their tops
    const auto firstLineWhere = [layout, count](auto condition) {
        int low = 0;
        int high = count;
        while (low < high) {
            const int middle = low + (high - low) / 2;
            if (condition(layout->lineAt(middle)))
                high = middle;
            else
                low = middle + 1;
        }
        return low;
    };
    const qreal viewHeight = viewport()->height();
    const int firstLine = std::min(count - 1, firstLineWhere([top](const QTextLine &line) {
                                       return top + line.y() + line.height() > 0;
                                   }));
    const int endLine = std::max(firstLine + 1, firstLineWhere([top, viewHeight](const QTextLine &line) {
                                     return top + line.y() >= viewHeight;
                                 }));
    const QTextLine lastLine = layout->lineAt(endLine - 1);
    const int from = layout->lineAt(firstLine).textStart();
    const int to = lastLine.textStart() + lastLine.textLength();
    return {std::max(0, from - ShownMargin) / ShownMargin * ShownMargin,
            (to + 2 * ShownMargin - 1) / ShownMargin * ShownMargin};
}

void TColorMemo::setBlockFormats(const QTextBlock &block, const QList<QTextLayout::FormatRange> &formats)
{
    QTextLayout *layout = block.layout();
    if (!layout || layout->formats() == formats)
        return;
    layout->setFormats(formats);
    // the layout drops its lines with new formats: have the block laid out
    // again (this neither changes the text nor fires a change signal)
    document()->markContentsDirty(block.position(), block.length());
    m_coloured = m_coloured || !formats.isEmpty();
}

void TColorMemo::clearVisibleFormats()
{
    if (m_coloured) {
        const QTextBlock first = firstVisibleBlock();
        clearFormatsFrom(first, blockBoundingGeometry(first).translated(contentOffset()).top());
    }
}

void TColorMemo::clearFormatsFrom(QTextBlock block, qreal top)
{
    const qreal viewHeight = viewport()->height();
    for (; block.isValid() && top < viewHeight; block = block.next()) {
        setBlockFormats(block, {});
        top += blockBoundingRect(block).height();
    }
}

void TColorMemo::recolourAfterChange()
{
    if (m_redrawAlways) {
        paintColors(false);
        return;
    }
    const auto [count, length] = countedLines();
    if (!std::exchange(m_colouredEarly, false))
        paintColors(count == m_cachedLineCount && length == m_cachedLength + 1);
    m_cachedLineCount = count;
    m_cachedLength = length;
}

void TColorMemo::onScrolled(int side, bool byScrollBar)
{
    QScrollBar *bar = side ? verticalScrollBar() : horizontalScrollBar();
    m_seenScroll[side] = bar->value();
    m_scrollBarAction[side] = false;
    const TNotifyEvent &handler = side ? m_onVScroll : m_onHScroll;
    if (byScrollBar && handler)
        handler(this);
    paintColors(false);
}

void TColorMemo::paintEvent(QPaintEvent *event)
{
    paintColors(false);
    QPlainTextEdit::paintEvent(event);
    if (m_onDrawKey && !m_handlerKeys.empty() && canColour())
        drawKeysByHandler();
}

void TColorMemo::drawKeysByHandler()
{
    QPainter painter(viewport());
    painter.setFont(font());
    const QPointF offset = contentOffset();
    const TColor fontColor = clWindowText;
    for (const TKeyDescr &run : m_handlerKeys) {
        const int start = TextModel::toDocument(*document(), run.StartPos);
        const QTextBlock block = document()->findBlock(start);
        const QTextLayout *layout = block.layout();
        if (!layout)
            continue;
        const QString text = block.text();
        const QPointF topLeft = blockBoundingGeometry(block).translated(offset).topLeft();
        int from = start - block.position();
        const int to = std::min<int>(int(text.size()), from + run.EndPos - run.StartPos + 1);
        // a key broken by word wrap goes to the handler line by line
        while (from < to) {
            const QTextLine line = layout->lineForTextPosition(from);
            if (!line.isValid())
                break;
            const int partEnd = std::min(to, line.textStart() + line.textLength());
            const QString key = text.mid(from, partEnd - from);
            const QRect rect(int(topLeft.x() + line.cursorToX(from)), int(topLeft.y() + line.y()),
                             painter.fontMetrics().horizontalAdvance(key), int(line.height()));
            painter.setPen(toQColor(run.Color, palette()));
            m_onDrawKey(painter, key, rect, fontColor);
            from = std::max(partEnd, from + 1);
        }
    }
}

void TColorMemo::keyPressEvent(QKeyEvent *event)
{
    const bool navigation = event->key() == Qt::Key_PageUp || event->key() == Qt::Key_PageDown
                            || event->key() == Qt::Key_End || event->key() == Qt::Key_Home
                            || event->key() == Qt::Key_Left || event->key() == Qt::Key_Up
                            || event->key() == Qt::Key_Right || event->key() == Qt::Key_Down;
    const bool noModifier = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (navigation && noModifier && selLength() >= 1) {
        // drop the selection at its end, then move from there
        setSelStart(selStart() + selLength());
        paintColors(false);
    }
    QPlainTextEdit::keyPressEvent(event);
}

void TColorMemo::keyReleaseEvent(QKeyEvent *event)
{
    const Qt::KeyboardModifiers others = event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    if (event->key() == Qt::Key_Shift && others == Qt::NoModifier)
        paintColors(false);
    QPlainTextEdit::keyReleaseEvent(event);
}

void TColorMemo::mousePressEvent(QMouseEvent *event)
{
    QPlainTextEdit::mousePressEvent(event);
    if (event->button() == Qt::LeftButton && event->buttons() == Qt::LeftButton
        && event->modifiers() == Qt::NoModifier)
        paintColors(false);
}

void TColorMemo::mouseReleaseEvent(QMouseEvent *event)
{
    QPlainTextEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton)
        paintColors(false);
    if (m_overHotSpot)
        clickHotSpot(event->position().toPoint());
}

void TColorMemo::mouseMoveEvent(QMouseEvent *event)
{
    if (m_hotSpot->Active)
        trackHotSpot(event->position().toPoint());
    QPlainTextEdit::mouseMoveEvent(event);
}

void TColorMemo::trackHotSpot(const QPoint &position)
{
    const QTextCursor cursor = cursorForPosition(position);
    const QString line = cursor.block().text();
    const bool over = isOverHotSpot(QStringView(line).mid(cursor.positionInBlock()), m_hotSpot->BeginChar,
                                    m_hotSpot->EndChar);
    if (over != m_overHotSpot)
        viewport()->setCursor(over ? Qt::PointingHandCursor : Qt::IBeamCursor);
    m_overHotSpot = over;
}

void TColorMemo::clickHotSpot(const QPoint &position)
{
    const QTextCursor cursor = cursorForPosition(position);
    const std::optional<QString> src = hotSpotText(cursor.block().text(), cursor.positionInBlock(),
                                                   m_hotSpot->BeginChar, m_hotSpot->EndChar);
    if (src && m_onHotSpotClick)
        m_onHotSpotClick(this, *src);
}
