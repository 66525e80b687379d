#include "tagshortcuts.h"

QList<QKeySequence> tagShortcuts(const TagCommand &command)
{
    const QKeySequence sequence(QString::fromLatin1(command.shortcut), QKeySequence::PortableText);
    QList<QKeySequence> sequences{sequence};
    const QKeyCombination key = sequence[0];
    if (key.key() == Qt::Key_Less && key.keyboardModifiers().testFlag(Qt::ShiftModifier)) {
        const Qt::KeyboardModifiers others = key.keyboardModifiers() & ~Qt::ShiftModifier;
        sequences << QKeySequence(QKeyCombination(key.keyboardModifiers(), Qt::Key_Greater))
                  << QKeySequence(QKeyCombination(others, Qt::Key_Greater));
    }
    return sequences;
}

QKeySequence undoLastTagShortcut()
{
    return QKeySequence(Qt::CTRL | Qt::Key_Z);
}

QKeySequence undoUndoShortcut()
{
    return QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
}
