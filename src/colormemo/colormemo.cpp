#include "colormemo.h"

#include "textmodel.h"

#include <QKeyEvent>
#include <QTextBlock>

TColorMemo::TColorMemo(QWidget *parent)
    : QPlainTextEdit(parent)
{
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setTabChangesFocus(false);
}

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
    return TextModel::length(*document());
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
    QTextCursor cursor = textCursor();
    cursor.insertText(TextModel::fromCrlf(text));
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

bool TColorMemo::event(QEvent *event)
{
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
