// Every tag command's hot key reaches it while the memo has the focus,
// including keys the text control would otherwise keep for itself.
#include "colormemo.h"
#include "tagshortcuts.h"

#include <QAction>
#include <QVBoxLayout>
#include <QtTest>

class TagShortcutsTest : public QObject
{
    Q_OBJECT

private:
    QWidget *window = nullptr;
    TColorMemo *memo = nullptr;
    QStringList triggered;

    void addAction(const QString &name, const QList<QKeySequence> &keys)
    {
        auto *action = new QAction(name, window);
        action->setShortcuts(keys);
        connect(action, &QAction::triggered, this, [this, name] { triggered << name; });
        window->addAction(action);
    }

    // Presses one key on the memo; returns the actions it reached.
    QStringList press(QKeyCombination key)
    {
        triggered.clear();
        QTest::keyClick(memo, key.key(), key.keyboardModifiers());
        return triggered;
    }

private slots:
    void initTestCase()
    {
        window = new QWidget;
        memo = new TColorMemo(window);
        auto *layout = new QVBoxLayout(window);
        layout->addWidget(memo);
        for (const TagCommand &command : tagCommands())
            addAction(QString::fromLatin1(command.handler), tagShortcuts(command));
        addAction(QStringLiteral("Undolasttag1Click"), {undoLastTagShortcut()});
        addAction(QStringLiteral("Undoundo1Click"), {undoUndoShortcut()});
        memo->setReservedShortcuts(allTagShortcuts());
        window->show();
        QApplication::setActiveWindow(window);
        QVERIFY(QTest::qWaitForWindowActive(window));
        memo->setFocus();
        QVERIFY(memo->hasFocus());
    }
    void cleanupTestCase() { delete window; }

    void everyTableKeyReachesItsCommand_data()
    {
        QTest::addColumn<QString>("handler");
        QTest::addColumn<QKeyCombination>("key");
        for (const TagCommand &command : tagCommands()) {
            const QKeySequence sequence(QString::fromLatin1(command.shortcut), QKeySequence::PortableText);
            QTest::newRow(command.handler) << QString::fromLatin1(command.handler) << sequence[0];
        }
        QTest::newRow("Ctrl+Z") << QStringLiteral("Undolasttag1Click") << QKeyCombination(Qt::CTRL, Qt::Key_Z);
        QTest::newRow("Ctrl+Shift+Z") << QStringLiteral("Undoundo1Click")
                                      << QKeyCombination(Qt::CTRL | Qt::SHIFT, Qt::Key_Z);
    }
    void everyTableKeyReachesItsCommand()
    {
        QFETCH(QString, handler);
        QFETCH(QKeyCombination, key);
        memo->setPlainText(QStringLiteral("some text"));
        QCOMPARE(press(key), QStringList{handler});
        QCOMPARE(memo->toPlainText(), QStringLiteral("some text")); // the memo did not act on it
    }

    void keysTheControlBindsForItself()
    {
        // Ctrl+A would select all, Ctrl+I and Ctrl+U would be taken by the
        // control's own bindings, Ctrl+Space by input methods.
        memo->setPlainText(QStringLiteral("abc"));
        memo->setSelStart(1);
        QCOMPARE(press(QKeyCombination(Qt::CTRL, Qt::Key_A)), QStringList{QStringLiteral("APPLET1Click")});
        QCOMPARE(memo->selLength(), 0);
        QCOMPARE(press(QKeyCombination(Qt::CTRL, Qt::Key_Space)), QStringList{QStringLiteral("Space1Click")});
        QCOMPARE(memo->toPlainText(), QStringLiteral("abc"));
    }

    void theKeyLeftOfZWithShift()
    {
        // With Shift held that key arrives as '>' on most layouts.
        QCOMPARE(press(QKeyCombination(Qt::CTRL | Qt::SHIFT, Qt::Key_Greater)),
                 QStringList{QStringLiteral("intext2Click")});
        QCOMPARE(press(QKeyCombination(Qt::CTRL, Qt::Key_Greater)), QStringList{QStringLiteral("intext2Click")});
        QCOMPARE(press(QKeyCombination(Qt::CTRL, Qt::Key_Less)), QStringList{QStringLiteral("intext1Click")});
    }

    void sequencesForACommand()
    {
        const TagCommand *gt = nullptr;
        for (const TagCommand &command : tagCommands()) {
            if (QByteArray(command.handler) == "intext2Click")
                gt = &command;
        }
        QVERIFY(gt);
        const QList<QKeySequence> keys = tagShortcuts(*gt);
        QCOMPARE(keys.size(), 3);
        QVERIFY(keys.contains(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Less)));
        QVERIFY(keys.contains(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Greater)));
        QVERIFY(keys.contains(QKeySequence(Qt::CTRL | Qt::Key_Greater)));
        QCOMPARE(tagShortcuts(tagCommands()[0]), QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_B)});
        // No two commands share a key.
        const QList<QKeySequence> all = allTagShortcuts();
        for (qsizetype i = 0; i < all.size(); ++i)
            QCOMPARE(all.count(all[i]), 1);
    }
};

QTEST_MAIN(TagShortcutsTest)
#include "tst_tagshortcuts.moc"
