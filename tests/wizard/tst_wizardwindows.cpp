// The thirteen windows of the frames wizard: texts, starting choices,
// enabling rules, focus, help topics, what each puts into the record, and
// a rendered preview.
#include "dirdia.h"
#include "directoryedit.h"
#include "framechoices.h"
#include "frwizard1.h"
#include "layoutforms.h"
#include "layoutpicture.h"
#include "layoutpreview.h"
#include "settings.h"
#include "support/scripted.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QtTest>

#include <memory>

namespace {

// The window of a step for a layout, 1 to 4.
template <class Base, class One, class Two, class Three, class Four>
std::unique_ptr<Base> windowFor(int layout)
{
    switch (layout) {
    case 1: return std::make_unique<One>();
    case 2: return std::make_unique<Two>();
    case 3: return std::make_unique<Three>();
    }
    return std::make_unique<Four>();
}

const auto sizeWindow = windowFor<FrameSizeForm, Tlayout1form, Tlayout2form, Tlayout3form, Tlayout4form>;
const auto namesWindow = windowFor<FrameNamesForm, Tlayout11form, Tlayout22form, Tlayout33form, Tlayout44form>;
const auto optionsWindow =
    windowFor<FrameOptionsForm, Tlayout111form, Tlayout222form, Tlayout333form, Tlayout444form>;

// Help opens the window's topic and leaves the window open.
void checkHelp(WizardDialog &window, int context)
{
    ScriptedHelp help;
    window.show();
    window.helpButton->click();
    QCOMPARE(help.topics, QList<int>{context});
    QVERIFY(window.isVisible());
    QCOMPARE(window.minimumSize(), window.maximumSize()); // not resizable
}

QColor pixel(QWidget *widget, int x, int y)
{
    return widget->grab().toImage().pixelColor(x, y);
}

QColor base(QLineEdit *field)
{
    return field->palette().color(QPalette::Base);
}

const QColor kGrey(128, 128, 128);

} // namespace

class WizardWindowsTest : public QObject
{
    Q_OBJECT

private slots:
    void layoutChooser()
    {
        Tfrwizard1 chooser;
        QCOMPARE(chooser.windowTitle(), QString("Frames wizard"));
        QCOMPARE(chooser.welcome->toPlainText(),
                 QString("  Welcome to the frames wizard.\n"
                         "The first thing you have to choose is the layout you want to use.\n\n"
                         "  Click on the symbol representing the layout you want, or click \n"
                         "\"Cancel\" to leave the wizard."));
        QVERIFY(chooser.welcome->isReadOnly() && chooser.welcome->font().bold());
        QVERIFY(!chooser.okButton);
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(chooser.pictures[i]->layout(), i + 1);
            QCOMPARE(chooser.pictures[i]->size(), QSize(80, 60));
        }
        checkHelp(chooser, 4002);
        chooser.pictures[2]->click();
        QCOMPARE(chooser.result(), int(QDialog::Accepted));
        QCOMPARE(chooser.layout(), 3);

        Tfrwizard1 closed;
        closed.show();
        closed.close(); // the close box
        QCOMPARE(closed.result(), int(QDialog::Rejected));
        QCOMPARE(closed.layout(), 0);
    }

    void sizeWindows_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<QString>("intro");
        QTest::addColumn<QString>("percentCaption");
        QTest::addColumn<QStringList>("labels");
        QTest::addColumn<QString>("outer");
        QTest::addColumn<QString>("inner");
        QTest::addColumn<bool>("typed");
        QTest::newRow("1") << 1
            << "Set the width of the left frame.  The percentage is in relation to the width of the screen"
            << "Percentage" << QStringList{"Width of left frame in %", "Width of left frame in px"}
            << "50%" << "" << false;
        QTest::newRow("2") << 2
            << "Set the height of the upper frame. The percebtage is in relation to the height of the screen"
            << " Percentage" << QStringList{"Height of upper frame in %", "Heigth of upper frame in px"}
            << "50%" << "" << true;
        const QStringList two = {"Height of upper frame in %", "Height of upper frame in px",
                                 "Width of left frame in %", "Width of left frame in px"};
        QTest::newRow("3") << 3 << "" << "Percentage" << two << "26%" << "25%" << false;
        QTest::newRow("4") << 4 << "" << "Percentage" << two << "25%" << "26%" << false;
    }
    // The first spin field has the focus; one step up on it shows which
    // size it fills.
    void sizeWindows()
    {
        QFETCH(int, layout);
        QFETCH(QString, intro);
        QFETCH(QString, percentCaption);
        QFETCH(QStringList, labels);
        QFETCH(QString, outer);
        QFETCH(QString, inner);
        QFETCH(bool, typed);
        auto window = sizeWindow(layout);
        QCOMPARE(window->windowTitle(), QString("Frame wizard"));
        QCOMPARE(window->intro ? window->intro->text() : QString(), intro);
        QStringList shown;
        for (const FrameSizeForm::SizeRow &row : window->rows) {
            shown << row.percentLabel->text() << row.pixelLabel->text();
            QCOMPARE(row.percent->text(), percentCaption);
            QCOMPARE(row.pixels->text(), QString("Pixels"));
            QVERIFY(row.percent->isChecked());
            QCOMPARE(row.pixelField->isEnabled(), layout == 2);
            QCOMPARE(base(row.pixelField), kGrey);
            QCOMPARE(row.spin->minimum(), 0);
            QCOMPARE(row.spin->maximum(), 100);
        }
        QCOMPARE(shown, labels);
        QCOMPARE(window->okButton->text(), QString("Next"));
        QVERIFY(window->okButton->isDefault());
        checkHelp(*window, 4003);

        QSpinBox *first = window->rows.front().spin;
        QCOMPARE(window->focusWidget(), first);
        QTest::keyClick(first, Qt::Key_Up);
        FrameWizardChoices choices;
        window->fill(choices);
        QCOMPARE(choices.outerSize, layout <= 2 ? QString("51%") : outer);
        QCOMPARE(choices.innerSize, inner);

        first->selectAll();
        QTest::keyClicks(first, "7");
        QCOMPARE(first->value(), typed ? 7 : (layout <= 2 ? 51 : 26));
    }

    // Pixels: spin field and "%" label off, pixel field on and white.
    // Back to percent: spin field on, pixel field grey again.
    void pixelModeRules()
    {
        Tlayout3form window;
        const FrameSizeForm::SizeRow upper = window.rows[0];
        const FrameSizeForm::SizeRow left = window.rows[1];
        QVERIFY(!window.preview->isGrey());
        upper.pixels->click();
        QVERIFY(!upper.spin->isEnabled() && !upper.percentLabel->isEnabled());
        QVERIFY(upper.pixelField->isEnabled());
        QCOMPARE(base(upper.pixelField), QColor(Qt::white));
        QVERIFY(left.spin->isEnabled() && !left.pixelField->isEnabled());
        QVERIFY(window.preview->isGrey());
        left.pixels->click();
        upper.percent->click();
        QVERIFY(upper.spin->isEnabled());
        QCOMPARE(base(upper.pixelField), kGrey);
        QVERIFY(window.preview->isGrey()); // the left frame is still in pixels
        left.percent->click();
        QVERIFY(!window.preview->isGrey());
    }

    void layoutFourInPixelsAndPercent()
    {
        Tlayout4form window;
        window.rows[1].pixels->click(); // width of the left frame
        QTest::keyClicks(window.rows[1].pixelField, "200");
        window.rows[0].spin->setValue(30); // height of the upper frame
        FrameWizardChoices choices;
        window.fill(choices);
        QCOMPARE(choices.outerSize, QString("200"));
        QCOMPARE(choices.innerSize, QString("30%"));
    }

    void pixelTextsAreTakenAsTyped()
    {
        for (const QString &typed : {QString(), QString("abc"), QString(" 12 px")}) {
            Tlayout1form window;
            window.rows[0].pixels->click();
            window.rows[0].pixelField->setText(typed);
            FrameWizardChoices choices;
            window.fill(choices);
            QCOMPARE(choices.outerSize, typed);
        }
    }

    void previewFollowsItsSpinField()
    {
        Tlayout1form window;
        window.show();
        LayoutPreview *preview = window.preview;
        QCOMPARE(preview->size(), QSize(160, 120));
        QCOMPARE(pixel(preview, 79, 60), QColor(Qt::black)); // 50%: the left block ends at 80
        QCOMPARE(pixel(preview, 40, 60), QColor(Qt::white));
        QTest::keyClick(window.rows[0].spin, Qt::Key_Down); // 49%: 78 pixels
        QCOMPARE(pixel(preview, 77, 60), QColor(Qt::black));
        QCOMPARE(pixel(preview, 79, 60), QColor(Qt::white));
        window.rows[0].spin->setValue(25);
        QCOMPARE(pixel(preview, 39, 60), QColor(Qt::black));
        QCOMPARE(pixel(preview, 77, 60), QColor(Qt::white));
        window.rows[0].pixels->click();
        QCOMPARE(pixel(preview, 20, 60), kGrey);
        QCOMPARE(pixel(preview, 100, 60), kGrey);
    }

    void namesWindows_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QStringList>("labels");
        QTest::addColumn<QStringList>("names");
        const QString one = "Enter the \"name\" you want the  frames to have:";
        const QString more = "Enter the \"names\" you want the frames to have:";
        QTest::newRow("1") << 1 << one
            << QStringList{"Left", "filename, left frame", "Right", "filename, right frame"}
            << QStringList{"leftframe", "rightframe"};
        QTest::newRow("2") << 2 << one
            << QStringList{"Upper", "filename, upper frame", "Lower", "filename, lower frame"}
            << QStringList{"topframe", "bottomframe"};
        QTest::newRow("3") << 3 << more
            << QStringList{"Upper frame", "Filename, upper frame", "Left frame", "Filename, left frame",
                           "Right frame", "Filename, right frame"}
            << QStringList{"topframe", "leftframe", "rightframe"};
        QTest::newRow("4") << 4 << more
            << QStringList{"Left frame", "Filename, left frame", "Upper frame", "Filename, upper frame",
                           "Lower frame", "Filename, lower frame"}
            << QStringList{"leftframe", "topframe", "bottomframe"};
    }
    void namesWindows()
    {
        QFETCH(int, layout);
        QFETCH(QString, heading);
        QFETCH(QStringList, labels);
        QFETCH(QStringList, names);
        auto window = namesWindow(layout);
        QCOMPARE(window->windowTitle(), QString("Frame wizard"));
        QCOMPARE(window->heading->text(), heading);
        QCOMPARE(window->framesetLabel->text(), QString("Enter the filename for the framespage"));
        QCOMPARE(window->note->text(),
                 QString("Remeber to enter the  filename for each frame, even if the file already exists"));
        QVERIFY(window->note->font().bold());
        QStringList shownLabels, shownNames;
        for (const FrameNamesForm::FrameRow &row : window->rows) {
            shownLabels << row.nameLabel->text() << row.fileLabel->text();
            shownNames << row.nameField->text();
            QCOMPARE(row.fileField->text(), QString(".htm"));
            QVERIFY(row.newFile->isChecked() && !row.existingFile->isChecked());
            QCOMPARE(row.existingFile->text(), QString("Existing file"));
            QCOMPARE(row.newFile->text(), QString("New file"));
        }
        QCOMPARE(shownLabels, labels);
        QCOMPARE(shownNames, names);
        QCOMPARE(window->framesetField->text(), QString(".htm"));
        QVERIFY(!window->okButton->isEnabled());
        QCOMPARE(window->okButton->text(), QString("Next"));
        checkHelp(*window, 4004);
        QCOMPARE(window->focusWidget(), window->rows.front().fileField);

        // Names are not checked; each frame's choice is its own.
        window->rows[0].nameField->clear();
        window->rows[1].existingFile->click();
        QVERIFY(window->rows[0].newFile->isChecked());
        QStringList files;
        for (size_t i = 0; i < window->rows.size(); ++i) {
            files << QString("f%1.htm").arg(i);
            window->rows[i].fileField->setText(files.last());
        }
        window->framesetField->setText("index.html");
        QVERIFY(window->okButton->isEnabled());
        FrameWizardChoices choices;
        window->fill(choices);
        QCOMPARE(choices.frame[0].name, QString());
        QCOMPARE(choices.frame[1].name, names[1]);
        QCOMPARE(choices.frame[1].file, files[1]);
        QVERIFY(!choices.frame[0].existing && choices.frame[1].existing);
        QCOMPARE(choices.framesetFile, QString("index.html"));
    }

    void nextOnlyForDistinctPageNames_data()
    {
        QTest::addColumn<QString>("left");
        QTest::addColumn<QString>("right");
        QTest::addColumn<QString>("frameset");
        QTest::addColumn<bool>("next");
        // Each name's own rule is tested on its own; the window applies it
        // to all of its fields together.
        QTest::newRow("good") << "a.htm" << "b.html" << "index.htm" << true;
        QTest::newRow("duplicate frames") << "a.htm" << "a.htm" << "index.htm" << false;
        QTest::newRow("frameset as a frame") << "a.htm" << "b.htm" << "a.htm" << false;
        QTest::newRow("one bad name") << "a.htm" << "b.htm" << "../index.htm" << false;
        QTest::newRow("dots") << "my..page.htm" << "..htm" << "index.htm" << true;
    }
    void nextOnlyForDistinctPageNames()
    {
        QFETCH(QString, left);
        QFETCH(QString, right);
        QFETCH(QString, frameset);
        QFETCH(bool, next);
        Tlayout11form window;
        window.rows[0].fileField->setText(left);
        window.rows[1].fileField->setText(right);
        window.framesetField->setText(frameset);
        QCOMPARE(window.okButton->isEnabled(), next);
        window.rows[0].fileField->setText("c.htm");
        window.rows[0].fileField->setText(left); // decided anew on every change
        QCOMPARE(window.okButton->isEnabled(), next);
    }

    void enteringAFileFieldPutsTheCaretFirst()
    {
        Tlayout22form window;
        QLineEdit *field = window.rows[1].fileField;
        field->setText("page.htm");
        field->setCursorPosition(8);
        QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(field, &in);
        QCOMPARE(field->cursorPosition(), 0);
        QVERIFY(!field->hasSelectedText());
    }

    void optionsWindows_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<QStringList>("questions");
        QTest::addColumn<QStringList>("columns");
        QTest::addColumn<QStringList>("scrolling");
        QTest::addColumn<bool>("noResize");
        QTest::newRow("1") << 1 << QStringList{"Do you want borders on the frames ?"}
                           << QStringList{"Left frame", "Right frame"} << QStringList{"Auto", "Yes"} << false;
        QTest::newRow("2") << 2 << QStringList{"Do you want borders on the frames ?"}
                           << QStringList{"Upper frame", "Lower frame"} << QStringList{"No", "Auto"} << false;
        QTest::newRow("3") << 3
            << QStringList{"Do you want borders on the upper frame ?", "Do you want borders on the 2 lower frames ?"}
            << QStringList{"Top", "Left", "Right "} << QStringList{"No", "Auto", "Auto"} << true;
        QTest::newRow("4") << 4
            << QStringList{"Do you want borders on the left frame ?", "Do you want borders on the 2 other frames ?"}
            << QStringList{"Left", "Upper", "Lower"} << QStringList{"No", "Auto", "Auto"} << true;
    }
    void optionsWindows()
    {
        QFETCH(int, layout);
        QFETCH(QStringList, questions);
        QFETCH(QStringList, columns);
        QFETCH(QStringList, scrolling);
        QFETCH(bool, noResize);
        auto window = optionsWindow(layout);
        QCOMPARE(window->windowTitle(), QString("Frame wizard"));
        QStringList shownQuestions, shownColumns;
        for (const FrameOptionsForm::BorderRow &row : window->borders) {
            shownQuestions << row.question->text();
            QVERIFY(row.no->isChecked() && !row.yes->isChecked());
        }
        for (const FrameOptionsForm::FrameColumn &column : window->columns) {
            shownColumns << column.heading->text();
            QCOMPARE(column.scrolling[0]->text(), QString("Never"));
            QCOMPARE(column.scrolling[1]->text(), QString("When needed"));
            QCOMPARE(column.scrolling[2]->text(), QString("Always"));
            QCOMPARE(column.horizontal->text(), QString("Horizontal"));
            QCOMPARE(column.vertical->text(), QString("Vertical"));
        }
        QCOMPARE(shownQuestions, questions);
        QCOMPARE(shownColumns, columns);
        QCOMPARE(window->scrollingLabel->text(), QString("When do you want scroll bars on the frames ?"));
        QCOMPARE(window->marginsLabel->text(), QString("Do you want margins in the frames ?"));
        QCOMPARE(window->resizeLabel->text(),
                 QString("Check this box if you don't want the frame/s to be resizable"));
        QCOMPARE(window->okButton->text(), QString("OK"));
        checkHelp(*window, 4005);
        if (layout <= 2)
            QCOMPARE(window->focusWidget(), window->okButton);

        FrameWizardChoices choices;
        window->fill(choices);
        QVERIFY(!choices.outerBorder && !choices.innerBorder);
        for (int i = 0; i < columns.size(); ++i) {
            QCOMPARE(choices.frame[i].scrolling, scrolling[i]);
            QVERIFY(!choices.frame[i].horizontalMargin && !choices.frame[i].verticalMargin);
            QCOMPARE(choices.frame[i].noResize, noResize);
        }

        // Each column's choices are its own; the last border question
        // gives innerBorder in layouts 3 and 4.
        window->borders.back().yes->click();
        window->columns[0].scrolling[2]->click();
        window->columns[0].horizontal->click();
        window->columns.back().vertical->click();
        window->columns.back().noResize->click();
        window->fill(choices);
        QCOMPARE(choices.outerBorder, layout <= 2);
        QCOMPARE(choices.innerBorder, layout >= 3);
        QCOMPARE(choices.frame[0].scrolling, QString("Yes"));
        QCOMPARE(choices.frame[1].scrolling, scrolling[1]);
        QVERIFY(choices.frame[0].horizontalMargin && !choices.frame[0].verticalMargin);
        QVERIFY(choices.frame[columns.size() - 1].verticalMargin);
        QCOMPARE(choices.frame[columns.size() - 1].noResize, !noResize);
    }

    void directoryWindow()
    {
        g_settings = Settings(); // never configured
        Tdirdia window;
        QCOMPARE(window.windowTitle(), QString("Frame wizard"));
        QCOMPARE(window.text->text(), QString("Choose the directory where the files will be saved to"));
        QCOMPARE(window.directory->text(), QDir::homePath());
        QCOMPARE(window.okButton->text(), QString("OK"));
        checkHelp(window, 4006);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        ScriptedDialogs dialogs;
        dialogs.folderAnswers << "/tmp/chosen";
        window.directory->field->setFocus();
        QTest::keyClick(window.directory->field, Qt::Key_Down, Qt::ControlModifier);
        QCOMPARE(dialogs.folderTitles, QStringList{"Look up the directory , then click \"Ok\""});
        QCOMPARE(window.directory->text(), QString("/tmp/chosen"));
        window.okButton->click();
        QCOMPARE(window.result(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(WizardWindowsTest)
#include "tst_wizardwindows.moc"
