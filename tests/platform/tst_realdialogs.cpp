#include "dialogs.h"
#include "messages.h"
#include "support/scripted.h"

#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

// The real Qt dialogs behind the seams, answered by a timer as a user would.
class TestRealDialogs : public QObject
{
    Q_OBJECT

    template <typename Dialog, typename Answer>
    void answerWhenShown(Answer answer)
    {
        QTimer::singleShot(0, this, [this, answer] {
            for (QWidget *widget : QApplication::topLevelWidgets()) {
                if (auto *dialog = qobject_cast<Dialog *>(widget); dialog && dialog->isVisible()) {
                    answer(dialog);
                    return;
                }
            }
            answerWhenShown<Dialog>(answer); // not up yet
        });
    }

    // Presses the dialog's Help button and F1; each opens the help topic.
    static bool askHelpTwice(QDialog *dialog)
    {
        auto *buttons = dialog->findChild<QDialogButtonBox *>();
        QPushButton *help = buttons ? buttons->button(QDialogButtonBox::Help) : nullptr;
        if (!help)
            return false;
        help->click();
        dialog->activateWindow();
        if (!QTest::qWaitForWindowActive(dialog))
            return false;
        QTest::keyClick(dialog->focusWidget() ? dialog->focusWidget() : dialog, Qt::Key_F1);
        return dialog->isVisible();
    }

private slots:
    void messageBoxShowsKindTextAndButtons()
    {
        ScriptedHelp help;
        QString title, text;
        QStringList buttons;
        bool helpKeptItOpen = false;
        answerWhenShown<QMessageBox>([&](QMessageBox *box) {
            title = box->windowTitle();
            text = box->text();
            for (QAbstractButton *button : box->buttons())
                buttons << button->text().remove('&');
            box->button(QMessageBox::Help)->click();
            helpKeptItOpen = box->isVisible();
            box->button(QMessageBox::No)->click();
        });
        const auto answer = Messages::show(Messages::Kind::Confirmation, "Install now ?",
                                           Messages::Yes | Messages::No | Messages::Help, 3003);
        QCOMPARE(answer, Messages::No);
        QCOMPARE(title, QString("Confirm"));
        QCOMPARE(text, QString("Install now ?"));
        QCOMPARE(buttons.size(), 3);
        QVERIFY(helpKeptItOpen);
        QCOMPARE(help.topics, QList<int>{3003});
        // Closing a question is Cancel.
        answerWhenShown<QMessageBox>([](QMessageBox *box) { box->reject(); });
        QCOMPARE(Messages::show(Messages::Kind::Plain, "Save first ?", Messages::Yes | Messages::No | Messages::Cancel),
                 Messages::Cancel);
    }

    // Tags in a text are shown as written, not taken as markup.
    void messageTextIsShownAsWritten()
    {
        const QString text = "Replace \"&lt;<br>\" with \"<b>\" ?";
        QString shown;
        answerWhenShown<QMessageBox>([&](QMessageBox *box) {
            auto *label = box->findChild<QLabel *>("qt_msgbox_label");
            label->setSelection(0, text.size());
            shown = label->selectedText();
            box->button(QMessageBox::Ok)->click();
        });
        Messages::show(Messages::Kind::Information, text, Messages::OK);
        QCOMPARE(shown, text);
    }

    void fileAndColourDialogsOfferHelp()
    {
        ScriptedHelp help;
        bool stayedOpen = false;
        answerWhenShown<QFileDialog>([&](QFileDialog *dialog) {
            stayedOpen = askHelpTwice(dialog);
            dialog->reject();
        });
        Dialogs::FileRequest request{"Save file as", "HTML document|*.htm*", "", "htm", 6};
        QVERIFY(Dialogs::saveFile(request).isEmpty());
        QVERIFY(stayedOpen);
        QCOMPARE(help.topics, (QList<int>{6, 6}));
        answerWhenShown<QColorDialog>([&](QColorDialog *dialog) {
            stayedOpen = askHelpTwice(dialog);
            dialog->setCurrentColor(QColor(0xFF, 0, 0));
            dialog->accept();
        });
        QCOMPARE(Dialogs::color(QColor(), 1074), QColor(0xFF, 0, 0));
        QVERIFY(stayedOpen);
        QCOMPARE(help.topics, (QList<int>{6, 6, 1074, 1074}));
    }

    void printDialogsOfferHelpAndWriteTheirChoice()
    {
        ScriptedHelp help;
        QPrinter printer;
        bool stayedOpen = false;
        answerWhenShown<QPrintDialog>([&](QPrintDialog *dialog) {
            stayedOpen = askHelpTwice(dialog);
            dialog->reject();
        });
        QVERIFY(!Dialogs::print(printer, 10));
        QVERIFY(stayedOpen);
        QCOMPARE(help.topics, (QList<int>{10, 10}));
        answerWhenShown<QPrintDialog>([&](QPrintDialog *dialog) {
            askHelpTwice(dialog);
            dialog->accept();
        });
        QVERIFY(Dialogs::printerSetup(printer, 9));
        QCOMPARE(help.topics.mid(2), (QList<int>{9, 9}));
    }

    void openDialogStartsInAnExistingFolder()
    {
        QTemporaryDir dir;
        QString shownFolder;
        answerWhenShown<QFileDialog>([&](QFileDialog *dialog) {
            shownFolder = dialog->directory().absolutePath();
            dialog->reject();
        });
        Dialogs::FileRequest request{"Choose file to open..", "HTML document|*.htm*|All files|*.*", "c:\\", "", 3};
        QVERIFY(Dialogs::openFiles(request).isEmpty());
        QCOMPARE(shownFolder, QDir::homePath());
        // The save dialog offers the given name, and adds the suffix to a typed one.
        answerWhenShown<QFileDialog>([&](QFileDialog *dialog) {
            shownFolder = dialog->directory().absolutePath();
            QMetaObject::invokeMethod(dialog, "accept");
        });
        request.startFolder = dir.path();
        request.fileName = "my page.htm";
        QCOMPARE(Dialogs::saveFile(request), dir.filePath("my page.htm"));
        QCOMPARE(shownFolder, dir.path());
        answerWhenShown<QFileDialog>([&](QFileDialog *dialog) {
            dialog->selectFile(dir.filePath("new"));
            QMetaObject::invokeMethod(dialog, "accept");
        });
        request.defaultSuffix = "htm";
        QCOMPARE(Dialogs::saveFile(request), dir.filePath("new.htm"));
    }

    void filterText()
    {
        QCOMPARE(Dialogs::qtFilter("HTML document|*.htm*|CSS document|*.css|Images|*.gif; *.jpg"),
                 QString("HTML document (*.htm*);;CSS document (*.css);;Images (*.gif *.jpg)"));
    }
};

QTEST_MAIN(TestRealDialogs)
#include "tst_realdialogs.moc"
