// The tag settings window: caret place <-> back offset, set, reset, reset
// all, moving between slots.
#include "defaulttags.h"
#include "settagsform.h"
#include "settings.h"
#include "settingsstore.h"
#include "support/files.h"
#include "support/scripted.h"
#include "support/storedvalue.h"
#include "support/wholecaption.h"
#include "tagformat.h"

#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <limits>

class TagSettingsTest : public QObject
{
    Q_OBJECT

private:
    Tsettagsform *form = nullptr;

private slots:
    void init()
    {
        QFile::remove(RegKey::storePath());
        loadDefaultTagsInMemory();
        form = new Tsettagsform;
        form->show();
    }
    void cleanup() { delete form; }

    // Every caption shows whole; the window keeps its designed size where
    // they fit in it, and each field shows its text from the start.
    void captionsWholeAndFieldsFromTheStart()
    {
        QVERIFY(QTest::qWaitForWindowExposed(form));
        QCOMPARE(cutCaptions(*form), QStringList());
        QVERIFY(form->width() >= 640 && form->height() >= 196);
        QCOMPARE(form->minimumSize(), form->maximumSize());
        for (QLineEdit *edit : {form->Edit1, form->Edit2, form->Edit4})
            QCOMPARE(edit->cursorPosition(), 0);
        QCOMPARE(form->Edit3->cursorPosition(), 16);
    }

    void caretPlaceOfOutlyingBackOffsets()
    {
        QCOMPARE(caretInOpening(g_tags.slot(26)), 4); // "<BR>" back 0 extra 2: the end
        TagSlot slot{QStringLiteral("<B>"), QStringLiteral("</B>"), 0, 0};
        for (const auto &[back, caret] : {std::pair{-1000, 3}, {1000000, 0}, {std::numeric_limits<qint32>::min(), 3}}) {
            slot.back = back;
            QCOMPARE(caretInOpening(slot), caret);
        }
    }

    void setStoresTheCaretAsTheBackOffset()
    {
        QCOMPARE(form->Edit3->cursorPosition(), 16);
        form->setbutton->click(); // without moving the caret
        QCOMPARE(g_tags.slot(1).back, 67);
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
        form->Edit3->setText(QStringLiteral("<SPAN class=\"\">"));
        form->Edit3->setCursorPosition(13);
        form->setbutton->click();
        QCOMPARE(g_tags.captions[1], QStringLiteral("<SPAN clas"));
        QCOMPARE(storedValue("DEF1"), QStringLiteral("<SPAN clas"));
        QCOMPARE(g_tags.slot(57).back, 2);
        // The shown texts stay as they were until the slot is shown again.
        QCOMPARE(form->Edit1->text(), QStringLiteral("----------"));
    }

    void setWithAnEmptyALongOrAnUnusualOpeningText()
    {
        form->Edit3->clear();
        form->Edit4->clear();
        form->setbutton->click();
        QCOMPARE(g_tags.slot(1).opening, QString());
        QCOMPARE(g_tags.slot(1).back, 6);
        QCOMPARE(storedValue("TAG1"), QString());
        form->nextb->click();
        form->backb->click();
        QCOMPARE(form->Edit3->text(), QString());
        QCOMPARE(form->Edit3->cursorPosition(), 0);
        const QString longText = QString(10000, QLatin1Char('x')) + QStringLiteral("\u20AC\U0001F600");
        form->Edit3->setText(longText);
        form->setbutton->click();
        QCOMPARE(g_tags.slot(1).opening, longText);
        QCOMPARE(storedValue("TAG1"), longText);
    }

    // Two pasted lines go into the store in a form that reads back as they were.
    void pastedLinesReadBackFromTheStore()
    {
        QGuiApplication::clipboard()->setText(QStringLiteral("<P>\r\n</P>"));
        form->Edit3->clear();
        form->Edit3->paste();
        form->setbutton->click();
        QCOMPARE(g_tags.slot(1).opening, QStringLiteral("<P>\r\n</P>"));
        QVERIFY(readFile(RegKey::storePath()).contains("\n\"TAG1\"=hex(1):3c,50,3e,0d,0a,3c,2f,50,3e,00\n"));
        QCOMPARE(storedValue("TAG1"), QStringLiteral("<P>\r\n</P>"));
    }

    void navigationEnablesBackAndNextAndDoneCancels()
    {
        form->ComboBox1->activated(64);
        for (int i = 0; i < 10; ++i)
            form->nextb->click();
        QCOMPARE(form->currentSlot(), 69);
        QVERIFY(!form->nextb->isEnabled());
        QCOMPARE(form->ComboBox1->currentIndex(), -1);
        form->ComboBox1->activated(0);
        QVERIFY(!form->backb->isEnabled() && form->nextb->isEnabled());
        form->ComboBox1->activated(-1); // typed text naming no entry
        QCOMPARE(form->currentSlot(), 1);
        form->closeb->click();
        QCOMPARE(form->result(), int(QDialog::Rejected));
    }

    void resetOneAndResetAllAsk()
    {
        ScriptedMessages messages;
        g_tags.slot(1).opening = QStringLiteral("<BODY>");
        form->Edit3->setText(QStringLiteral("typed"));
        messages.answers << Messages::No << Messages::Yes << Messages::Cancel << Messages::Yes;
        form->BitBtn1->click(); // No: the window still shows the slot anew
        QCOMPARE(form->Edit3->text(), QStringLiteral("<BODY>"));
        form->BitBtn1->click();
        QCOMPARE(form->Edit3->text(), QString::fromLatin1(tagDefault(1).opening));
        g_tags.slot(1).opening = QStringLiteral("<BODY>");
        form->setallbutton->click();
        QVERIFY(form->isVisible());
        QCOMPARE(g_tags.slot(1).opening, QStringLiteral("<BODY>"));
        form->setallbutton->click();
        const QString one = QStringLiteral("Are You sure You want to reset this tag ?");
        const QString all = QStringLiteral("Are You REALLY sure You want to reset all tags to default ?");
        QCOMPARE(messages.texts(), (QStringList{one, one, all, all}));
        QCOMPARE(form->result(), int(QDialog::Accepted));
        QCOMPARE(g_tags.slot(59).opening, QString());
        QCOMPARE(g_tags.slot(1).opening, QString::fromLatin1(tagDefault(1).opening));
    }

    void unwritableStoreKeepsTheChangeInMemoryOnly()
    {
        const QString path = RegKey::storePath();
        QVERIFY(QDir().mkpath(path)); // a folder where the file should be
        form->ComboBox1->activated(57);
        form->Edit3->setText(QStringLiteral("<MINE>"));
        form->setbutton->click();
        QCOMPARE(g_tags.slot(58).opening, QStringLiteral("<MINE>"));
        QCOMPARE(g_tags.captions[2], QStringLiteral("----------"));
        QVERIFY(QDir().rmdir(path));
    }
};

QTEST_MAIN(TagSettingsTest)
#include "tst_tagsettings.moc"
