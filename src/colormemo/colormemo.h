#pragma once

#include <QKeySequence>
#include <QList>
#include <QPlainTextEdit>

// The multi-line edit control of the document windows. Positions, lengths
// and texts at its interface follow the program's text model, where every
// line break is CR LF (two characters); inside, Qt's document keeps one
// separator per line and nothing here copies the whole text unless asked to.
class TColorMemo : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit TColorMemo(QWidget *parent = nullptr);

    // The whole text with CR LF breaks (a copy: not for the keystroke path).
    QString text() const;
    // Replaces the whole text; CR LF, lone CR and lone LF all break lines.
    void setText(const QString &text);
    // Replaces the whole text with one that already has '\n' breaks only.
    void setModelText(const QString &text);

    int textLength() const;
    int lineCount() const;

    int selStart() const;
    void setSelStart(int position); // collapses the selection there
    int selLength() const;
    void setSelLength(int length);  // selects from SelStart, shows the caret
    QString selText() const;
    // Replaces the selection (or inserts at the caret); the caret ends after
    // the inserted text with nothing selected.
    void setSelText(const QString &text);

    bool modified() const;
    void setModified(bool modified);

    // Key sequences the owner's commands use: the memo lets them through to
    // the owner instead of handling them itself (Ctrl+A, Ctrl+Z, ...).
    void setReservedShortcuts(const QList<QKeySequence> &shortcuts);

protected:
    bool event(QEvent *event) override;

private:
    QList<QKeySequence> m_reserved;
};
