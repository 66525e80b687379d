// The tag settings window: caret place <-> back offset, set, reset, reset
// all, and moving between slots.
#include "defaulttags.h"
#include "support/scripted.h"
#include "settagsform.h"
#include "settingsstore.h"
#include "tagformat.h"
#include "tagtable.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

class SetTagsTest : public QObject
{
    Q_OBJECT

private:
    Tsettagsform *form = nullptr;

    static QVariant stored(const QString &name, bool integer)
    {
        RegKey key;
        if (!key.openRead() || !key.valueExists(name))
            return {};
        return integer ? QVariant(key.readInteger(name)) : QVariant(key.readString(name));
    }

private slots:
    void init()
    {
        QFile::remove(RegKey::storePath());
        loadDefaultTagsInMemory();
        form = new Tsettagsform;
        form->show();
    }
    void cleanup() { delete form; }

    void caretAndBackOffsetWithoutAWindow()
    {
        QCOMPARE(caretInOpening(g_tags.slot(1)), 16);
        QCOMPARE(caretInOpening(g_tags.slot(26)), 4); // "<BR>" back 0 extra 2: the end
        TagSlot slot{QStringLiteral("<B>"), QStringLiteral("</B>"), -1000, 0};
        QCOMPARE(caretInOpening(slot), 3);
        slot.back = 1000000;
        QCOMPARE(caretInOpening(slot), 0);
        slot.back = std::numeric_limits<qint32>::min();
        QCOMPARE(caretInOpening(slot), 3);
        QCOMPARE(backOffsetFor(QStringLiteral("<B>"), 3, QStringLiteral("</B>"), 0), 4);
        QCOMPARE(backOffsetFor(QString(), 0, QString(), 2), 2);
    }

    void showsSlotOneWithTheCaretInBgcolor()
    {
        QCOMPARE(form->windowTitle(), QStringLiteral("settagsform"));
        QCOMPARE(form->size(), QSize(640, 196));
        QCOMPARE(form->currentSlot(), 1);
        QCOMPARE(form->ComboBox1->count(), 65);
        QCOMPARE(form->ComboBox1->currentText(), QStringLiteral("Body tag"));
        QVERIFY(!form->backb->isEnabled());
        QVERIFY(form->nextb->isEnabled());
        QCOMPARE(form->Edit3->cursorPosition(), 16);
        QCOMPARE(form->Edit2->text(), QStringLiteral("</BODY>"));
        QVERIFY(!form->Edit1->isEnabled() && form->Edit1->isReadOnly());
    }

    void settingWithoutMovingKeepsTheBackOffset()
    {
        form->setbutton->click();
        QCOMPARE(g_tags.slot(1).back, 67);
        QCOMPARE(stored(QStringLiteral("BACK1"), true).toInt(), 67);
    }

    void boldWithTheCaretAtTheEnd()
    {
        for (int i = 0; i < 20; ++i)
            form->nextb->click();
        QCOMPARE(form->currentSlot(), 21);
        form->Edit3->setCursorPosition(3);
        form->setbutton->click();
        QCOMPARE(g_tags.slot(21).back, 4);
        QCOMPARE(g_tags.slot(21).extra, 0);
    }

    void userSlotGetsItsCaption()
    {
        form->ComboBox1->activated(56);
        QCOMPARE(form->currentSlot(), 57);
        form->Edit3->setText(QStringLiteral("<SPAN class=\"\">"));
        form->Edit3->setCursorPosition(13);
        form->setbutton->click();
        QCOMPARE(g_tags.captions[1], QStringLiteral("<SPAN clas"));
        QCOMPARE(stored(QStringLiteral("DEF1"), false).toString(), QStringLiteral("<SPAN clas"));
        QCOMPARE(stored(QStringLiteral("TAG57"), false).toString(), QStringLiteral("<SPAN class=\"\">"));
        QCOMPARE(g_tags.slot(57).back, 2);
        // The shown texts stay as they were until the slot is shown again.
        QCOMPARE(form->Edit1->text(), QStringLiteral("----------"));
    }

    void setWithAnEmptyOpeningText()
    {
        form->Edit3->clear();
        form->Edit4->clear();
        form->setbutton->click();
        QCOMPARE(g_tags.slot(1).opening, QString());
        QCOMPARE(g_tags.slot(1).back, 6);
        QCOMPARE(stored(QStringLiteral("TAG1"), false).toString(), QString());
        form->nextb->click();
        form->backb->click();
        QCOMPARE(form->Edit3->text(), QString());
        QCOMPARE(form->Edit3->cursorPosition(), 0);
    }

    void longAndUnusualTextsAreKeptWhole()
    {
        const QString longText = QString(10000, QLatin1Char('x')) + QStringLiteral("\u20AC\U0001F600");
        form->Edit3->setText(longText);
        form->setbutton->click();
        QCOMPARE(g_tags.slot(1).opening, longText);
        QCOMPARE(stored(QStringLiteral("TAG1"), false).toString(), longText);
    }

    void navigationEnablesBackAndNext()
    {
        form->ComboBox1->activated(64);
        for (int i = 0; i < 10; ++i)
            form->nextb->click();
        QCOMPARE(form->currentSlot(), 69);
        QVERIFY(!form->nextb->isEnabled());
        QCOMPARE(form->ComboBox1->currentIndex(), -1);
        QCOMPARE(form->Edit3->text(), QStringLiteral("<DT>"));
        form->ComboBox1->activated(0);
        QCOMPARE(form->currentSlot(), 1);
        QVERIFY(!form->backb->isEnabled());
        QVERIFY(form->nextb->isEnabled());
        form->backb->click(); // disabled: nothing happens
        QCOMPARE(form->currentSlot(), 1);
        form->ComboBox1->activated(-1); // typed text naming no entry
        QCOMPARE(form->currentSlot(), 1);
    }

    void slot26ShowsItsCaretAtTheEnd()
    {
        form->ComboBox1->activated(25);
        QCOMPARE(form->Edit3->cursorPosition(), 4);
    }

    void resetOneAsksAndAlwaysRefreshes()
    {
        ScriptedMessages messages;
        g_tags.slot(1).opening = QStringLiteral("<BODY>");
        form->Edit3->setText(QStringLiteral("typed"));
        messages.answers << Messages::No;
        form->BitBtn1->click();
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(messages.shown[0].text, QStringLiteral("Are You sure You want to reset this tag ?"));
        QCOMPARE(messages.shown[0].buttons, Messages::Yes | Messages::No);
        QCOMPARE(form->Edit3->text(), QStringLiteral("<BODY>"));
        messages.answers << Messages::Yes;
        form->BitBtn1->click();
        QCOMPARE(form->Edit3->text(), QString::fromLatin1(tagDefault(1).opening));
    }

    void resetAllClosesWithOk()
    {
        ScriptedMessages messages;
        g_tags.slot(1).opening = QStringLiteral("<BODY>");
        messages.answers << Messages::Cancel;
        form->setallbutton->click();
        QVERIFY(form->isVisible());
        QCOMPARE(g_tags.slot(1).opening, QStringLiteral("<BODY>"));
        messages.answers << Messages::Yes;
        form->setallbutton->click();
        QCOMPARE(messages.shown[1].text,
                 QStringLiteral("Are You REALLY sure You want to reset all tags to default ?"));
        QVERIFY(!form->isVisible());
        QCOMPARE(form->result(), int(QDialog::Accepted));
        QCOMPARE(g_tags.slot(59).opening, QString());
        QCOMPARE(g_tags.slot(1).opening, QString::fromLatin1(tagDefault(1).opening));
    }

    void doneClosesWithCancel()
    {
        form->closeb->click();
        QCOMPARE(form->result(), int(QDialog::Rejected));
    }

    void unwritableStoreKeepsTheChangeInMemoryOnly()
    {
        const QString path = RegKey::storePath();
        QFile::remove(path);
        QVERIFY(QDir().mkpath(path)); // a folder where the file should be
        form->ComboBox1->activated(57);
        form->Edit3->setText(QStringLiteral("<MINE>"));
        form->setbutton->click();
        QCOMPARE(g_tags.slot(58).opening, QStringLiteral("<MINE>"));
        QCOMPARE(g_tags.captions[2], QStringLiteral("----------"));
        QVERIFY(QDir().rmdir(path));
    }

    void helpButtonAsksForItsContext()
    {
        QSignalSpy help(form, &Tsettagsform::helpRequested);
        form->BitBtn2->click();
        QCOMPARE(help.count(), 1);
        QCOMPARE(help[0][0].toInt(), 3002);
    }
};

QTEST_MAIN(SetTagsTest)
#include "tst_settags.moc"
