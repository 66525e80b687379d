#include "colormemo.h"

#include "displayedit.h"
#include "displaylines.h"
#include "drawrules.h"
#include "hotspot.h"
#include "runformats.h"
#include "textmodel.h"

#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextBlock>

#include <utility>

namespace {

// The text of the block's line that is next to the block: the display lines
// before and after it that go on with the same line, and the block's offset
// in it.
std::pair<QString, int> lineAround(const QTextBlock &block)
{
    QString text = block.text();
    int offset = 0;
    if (DisplayBreaks::continues(block)) {
        const QString before = block.previous().text();
        text.prepend(before);
        offset = int(before.size());
    }
    if (DisplayBreaks::continues(block.next()))
        text += block.next().text();
    return {text, offset};
}

} // namespace

TColorMemo::TColorMemo(QWidget *parent)
    : QPlainTextEdit(parent),
      m_rules(new TDrawRules(this)),
      m_hotSpot(new THotSpot(this))
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
    return TextModel::toCrlf(rawText());
}

QString TColorMemo::rawText() const
{
    return m_breaks.withoutBreaks(*document(), 0, document()->toRawText());
}

int TColorMemo::rawPosition(int position) const
{
    return m_breaks.toRaw(*document(), m_breaks.toDocument(*document(), position));
}

void TColorMemo::replaceRawRange(int from, int to, const QString &text)
{
    QTextCursor cursor(document());
    cursor.setPosition(m_breaks.fromRaw(*document(), from));
    cursor.setPosition(m_breaks.fromRaw(*document(), to), QTextCursor::KeepAnchor);
    insertLines(cursor, text);
}

void TColorMemo::setText(const QString &text)
{
    setModelText(TextModel::fromCrlf(text));
}

void TColorMemo::setModelText(const QString &text)
{
    const std::vector<int> breaks = DisplayLines::breaksInText(text);
    if (breaks.empty()) {
        setPlainText(text);
        return;
    }
    // The lines come in cut already, so that Qt never lays one out whole,
    // and their pieces are marked within the same edit: the change is
    // reported once, with the display breaks known.
    QString shown(text.size() + qsizetype(breaks.size()), Qt::Uninitialized);
    QChar *to = shown.data();
    qsizetype copied = 0;
    for (const int at : breaks) {
        to = std::copy(text.cbegin() + copied, text.cbegin() + at, to);
        *to++ = QChar::ParagraphSeparator;
        copied = at;
    }
    std::copy(text.cbegin() + copied, text.cend(), to);
    QTextDocument *doc = document();
    const QScopedValueRollback editing(m_editing, true);
    QTextCursor edit(doc);
    edit.beginEditBlock();
    setPlainText(shown);
    const bool undoable = doc->isUndoRedoEnabled();
    doc->setUndoRedoEnabled(false); // marking the pieces is no step to undo
    QTextCursor mark(doc);
    for (std::size_t i = 0; i < breaks.size(); ++i) {
        mark.setPosition(breaks[i] + int(i) + 1);
        mark.setBlockFormat(DisplayBreaks::continuationFormat());
    }
    doc->setUndoRedoEnabled(undoable);
    edit.endEditBlock();
}

int TColorMemo::textLength() const
{
    return m_characters - 1 + document()->blockCount() - 1 - 2 * m_breaks.count();
}

void TColorMemo::followContents(int position, int removed, int added)
{
    m_breaks.follow(*document(), position, added);
    m_characters += added - removed;
    // Only a change that reaches the last line can empty or fill it.
    if (position + added >= m_characters - 2) {
        const QTextDocument *doc = document();
        m_lastLineEmpty =
            doc->blockCount() > 1 && doc->lastBlock().length() == 1 && !DisplayBreaks::continues(doc->lastBlock());
    }
}

std::pair<int, int> TColorMemo::countedLines() const
{
    // Lines as the program counts them: a last empty line does not count.
    return {document()->blockCount() - (m_lastLineEmpty ? 1 : 0), textLength() - (m_lastLineEmpty ? 2 : 0)};
}

int TColorMemo::lineCount() const
{
    return document()->blockCount() - m_breaks.count();
}

int TColorMemo::selStart() const
{
    return m_breaks.fromDocument(*document(), textCursor().selectionStart());
}

void TColorMemo::setSelStart(int position)
{
    QTextCursor cursor = textCursor();
    cursor.setPosition(m_breaks.toDocument(*document(), position));
    setTextCursor(cursor);
}

int TColorMemo::selLength() const
{
    const QTextCursor cursor = textCursor();
    if (!cursor.hasSelection())
        return 0;
    return m_breaks.fromDocument(*document(), cursor.selectionEnd())
           - m_breaks.fromDocument(*document(), cursor.selectionStart());
}

void TColorMemo::setSelLength(int length)
{
    QTextCursor cursor = textCursor();
    const int start = cursor.selectionStart();
    const int end = m_breaks.toDocument(*document(), m_breaks.fromDocument(*document(), start) + qMax(0, length));
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    setTextCursor(cursor);
    ensureCursorVisible();
}

QString TColorMemo::selText() const
{
    return TextModel::toCrlf(selModelText());
}

QString TColorMemo::selModelText() const
{
    const QTextCursor cursor = textCursor();
    return m_breaks.withoutBreaks(*document(), cursor.selectionStart(), cursor.selectedText())
        .replace(QChar::ParagraphSeparator, u'\n');
}

void TColorMemo::setSelText(const QString &text)
{
    setSelModelText(TextModel::fromCrlf(text));
}

void TColorMemo::setSelModelText(const QString &text)
{
    QTextCursor cursor = textCursor();
    insertLines(cursor, text);
    setTextCursor(cursor);
}

void TColorMemo::dropEvent(QDropEvent *event)
{
    // Qt drops within an edit of its own, and scrolls inside it
    const QScopedValueRollback editing(m_editing, true);
    QPlainTextEdit::dropEvent(event);
}

void TColorMemo::inputMethodEvent(QInputMethodEvent *event)
{
    // the same for text from an input method
    const QScopedValueRollback editing(m_editing, true);
    QPlainTextEdit::inputMethodEvent(event);
}

void TColorMemo::insertFromMimeData(const QMimeData *source)
{
    if (!source->hasText())
        return;
    setSelText(source->text());
    ensureCursorVisible();
}

QMimeData *TColorMemo::createMimeDataFromSelection() const
{
    auto *mime = new QMimeData;
    mime->setText(selModelText());
    return mime;
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
    // A relayout inside the pass reports a change of the view; and within
    // an edit of ours the change is not reported yet: it is coloured when it is.
    if (m_inPass || m_editing)
        return;
    if (!canColour()) {
        clearVisibleFormats();
        return;
    }
    // Positions are looked up as few times as possible: in a large document
    // each lookup walks the document's block tree.
    QTextDocument *doc = document();
    const QTextCursor cursor = textCursor();
    const QTextBlock caretBlock = doc->findBlock(cursor.selectionStart());
    // a key may reach over a display break into the caret's display line
    if (DisplayBreaks::continues(caretBlock) || DisplayBreaks::continues(caretBlock.next()))
        caretLineOnly = false;
    const int caretLineStart = m_breaks.modelStart(caretBlock);
    PassView view;
    view.selStart = caretLineStart + cursor.selectionStart() - caretBlock.position();
    view.selLength = cursor.hasSelection() ? m_breaks.fromDocument(*doc, cursor.selectionEnd()) - view.selStart : 0;
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
    for (QTextBlock block = first; block.isValid(); block = block.next()) {
        const qreal height = blockBoundingRect(block).height();
        const QTextLayout *layout = block.layout();
        const qreal lineHeight =
            layout && layout->lineCount() > 0 ? layout->lineAt(0).height() : fontMetrics().height();
        if (top + height <= 0 || (top >= 0 && top + lineHeight > viewHeight)) {
            cutBlock = block;
            cutTop = top;
            break;
        }
        last = block;
        top += height;
        if (caretLineOnly)
            break;
    }
    m_window.read(scanStart, m_breaks.modelStart(scanStart), last, cutBlock);

    m_inPass = true;
    const std::vector<TKeyDescr> &runs =
        m_pass.run(*m_rules, *m_hotSpot, view, m_window.window(), m_onDraw, m_descriptors);
    applyRuns(runs);
    if (!caretLineOnly)
        clearFormatsFrom(cutBlock, cutTop); // the blocks cut by the bottom edge show no colours
    m_inPass = false;
}

void TColorMemo::applyRuns(const std::vector<TKeyDescr> &runs)
{
    RunFormatter formatter(palette(), m_hotSpot->Underlined, bool(m_onDrawKey));
    for (const TextWindow::Block &block : m_window.blocks())
        setBlockFormats(block.block, formatter.forBlock(runs, block.start, block.length));
    m_handlerKeys.clear();
    if (m_onDrawKey) {
        std::copy_if(runs.begin(), runs.end(), std::back_inserter(m_handlerKeys),
                     [](const TKeyDescr &run) { return run.IsKey != 0; });
    }
}

void TColorMemo::setBlockFormats(const QTextBlock &block, const QList<QTextLayout::FormatRange> &formats)
{
    QTextLayout *layout = block.layout();
    if (!layout || layout->formats() == formats)
        return;
    const qreal height = blockBoundingRect(block).height();
    layout->setFormats(formats);
    // The layout drops its lines with new formats: have the block laid out
    // again (this neither changes the text nor fires a change signal). Qt
    // would then repaint the whole view, as for a change that reaches past
    // the block; only the block needs it while its height stays.
    QAbstractTextDocumentLayout *documentLayout = document()->documentLayout();
    {
        const QSignalBlocker quiet(documentLayout);
        document()->markContentsDirty(block.position(), block.length());
    }
    if (blockBoundingRect(block).height() == height)
        emit documentLayout->updateBlock(block);
    else
        viewport()->update();
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
    for (const TKeyDescr &run : m_handlerKeys) {
        const int start = m_breaks.toDocument(*document(), run.StartPos);
        int left = run.EndPos - run.StartPos + 1;
        // a key broken by word wrap or a display break goes to the handler line by line
        for (QTextBlock block = document()->findBlock(start); left > 0 && block.isValid(); block = block.next()) {
            if (block.position() > start && !DisplayBreaks::continues(block))
                break;
            const QTextLayout *layout = block.layout();
            if (!layout)
                break;
            const QString text = block.text();
            const QPointF topLeft = blockBoundingGeometry(block).translated(offset).topLeft();
            int from = std::max(0, start - block.position());
            const int to = std::min<int>(int(text.size()), from + left);
            left -= to - from;
            drawKeyParts(painter, run.Color, *layout, text, topLeft, from, to);
        }
    }
}

void TColorMemo::drawKeyParts(QPainter &painter, TColor color, const QTextLayout &layout, const QString &text,
                              QPointF topLeft, int from, int to)
{
    while (from < to) {
        const QTextLine line = layout.lineForTextPosition(from);
        if (!line.isValid())
            return;
        const int partEnd = std::min(to, line.textStart() + line.textLength());
        const QString key = text.mid(from, partEnd - from);
        const QRect rect(int(topLeft.x() + line.cursorToX(from)), int(topLeft.y() + line.y()),
                         painter.fontMetrics().horizontalAdvance(key), int(line.height()));
        painter.setPen(toQColor(color, palette()));
        m_onDrawKey(painter, key, rect, clWindowText);
        from = std::max(partEnd, from + 1);
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
    stepOverDisplayBreak(event);
    if (breakIntoDisplayLine(event))
        return;
    if (!mayOutgrowShownLine(event->text().size())) {
        QPlainTextEdit::keyPressEvent(event);
        return;
    }
    // The edit and the display breaks it calls for are one step to undo.
    const QScopedValueRollback editing(m_editing, true);
    QTextCursor edit(document());
    edit.beginEditBlock();
    QPlainTextEdit::keyPressEvent(event);
    const QTextBlock caretBlock = textCursor().block();
    splitLongBlocks(*document(), caretBlock, caretBlock);
    edit.endEditBlock();
    ensureCursorVisible();
}

void TColorMemo::stepOverDisplayBreak(const QKeyEvent *event)
{
    using Key = QKeySequence;
    QTextCursor cursor = textCursor();
    // keys that delete act on the selection when there is one
    const bool deletes = !cursor.hasSelection();
    const bool backspace = event->key() == Qt::Key_Backspace && !(event->modifiers() & ~Qt::ShiftModifier);
    bool forward = false;
    auto mode = QTextCursor::MoveAnchor;
    if (event->matches(Key::MoveToNextChar) || event->matches(Key::MoveToNextWord)
        || (deletes && (event->matches(Key::Delete) || event->matches(Key::DeleteEndOfWord)))) {
        forward = true;
    } else if (event->matches(Key::SelectNextChar) || event->matches(Key::SelectNextWord)) {
        forward = true;
        mode = QTextCursor::KeepAnchor;
    } else if (event->matches(Key::SelectPreviousChar) || event->matches(Key::SelectPreviousWord)) {
        mode = QTextCursor::KeepAnchor;
    } else if (!event->matches(Key::MoveToPreviousChar) && !event->matches(Key::MoveToPreviousWord)
               && !(deletes && (backspace || event->matches(Key::DeleteStartOfWord)))) {
        return;
    }
    const int before = cursor.position();
    stepOverDisplayBreaks(cursor, forward, mode);
    if (cursor.position() != before)
        setTextCursor(cursor);
}

bool TColorMemo::breakIntoDisplayLine(const QKeyEvent *event)
{
    // Qt gives a new block the format of the one it is made in: in a
    // display line, Return would make another display break.
    QTextCursor cursor = textCursor();
    if (!event->matches(QKeySequence::InsertParagraphSeparator)
        || !DisplayBreaks::continues(document()->findBlock(cursor.selectionStart())))
        return false;
    cursor.insertBlock(QTextBlockFormat());
    setTextCursor(cursor);
    ensureCursorVisible();
    return true;
}

bool TColorMemo::mayOutgrowShownLine(qsizetype typed) const
{
    // A key edits at the selection, or next to the caret, where deleting a
    // line break joins the block with the one before or after it.
    const QTextCursor cursor = textCursor();
    const QTextBlock start = document()->findBlock(cursor.selectionStart());
    const QTextBlock end = document()->findBlock(cursor.selectionEnd());
    qsizetype reach = start.length() + typed + (end != start ? end.length() : 0);
    if (cursor.selectionStart() == start.position())
        reach += start.previous().length();
    if (cursor.selectionEnd() == end.position() + end.length() - 1)
        reach += end.next().length();
    return reach > DisplayLines::LongestShownLine;
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
    if (event->button() == Qt::LeftButton && event->buttons() == Qt::LeftButton && event->modifiers() == Qt::NoModifier)
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
    const auto [line, offset] = lineAround(cursor.block());
    const bool over = isOverHotSpot(QStringView(line).mid(offset + cursor.positionInBlock()), m_hotSpot->BeginChar,
                                    m_hotSpot->EndChar);
    if (over != m_overHotSpot)
        viewport()->setCursor(over ? Qt::PointingHandCursor : Qt::IBeamCursor);
    m_overHotSpot = over;
}

void TColorMemo::clickHotSpot(const QPoint &position)
{
    const QTextCursor cursor = cursorForPosition(position);
    const auto [line, offset] = lineAround(cursor.block());
    const std::optional<QString> src =
        hotSpotText(line, offset + cursor.positionInBlock(), m_hotSpot->BeginChar, m_hotSpot->EndChar);
    if (src && m_onHotSpotClick)
        m_onHotSpotClick(this, *src);
}
