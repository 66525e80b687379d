#include "tagshortcuts.h"

QList<QKeySequence> tagShortcuts(const TagCommand &command)
{
    const QKeySequence sequence(QString::fromLatin1(command.shortcut), QKeySequence::PortableText);
    QList<QKeySequence> sequences{sequence};
    const QKeyCombination key = sequence[0];
    if (key.key() == Qt::Key_Less && key.keyboardModifiers().testFlag(Qt::ShiftModifier)) {
        // The key reported as '>' (Shift is held), and the US place of '>'
        // over '.'. Not "Ctrl+>": X offers a press as the key's plain symbol
        // with every modifier and as its shifted symbol without Shift, and
        // two sequences of one command among those would fire neither.
        sequences << QKeySequence(QKeyCombination(key.keyboardModifiers(), Qt::Key_Greater))
                  << QKeySequence(QKeyCombination(key.keyboardModifiers(), Qt::Key_Period));
    }
    return sequences;
}
