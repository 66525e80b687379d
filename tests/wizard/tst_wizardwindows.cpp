// The windows of the frames wizard: starting choices, enabling rules, focus,
// help topics, what each puts into the record, and a rendered preview.
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
const auto optionsWindow = windowFor<FrameOptionsForm, Tlayout111form, Tlayout222form, Tlayout333form, Tlayout444form>;

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
        for (int i = 0; i < 4; ++i)
            QCOMPARE(chooser.pictures[i]->layout(), i + 1);
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

    // Every size starts as a percentage with a grey pixel field; the first
    // spin field has the focus, and one step up on it changes one size.
    void sizeWindows()
    {
        for (int layout = 1; layout <= 4; ++layout) {
            auto window = sizeWindow(layout);
            for (const FrameSizeForm::SizeRow &row : window->rows) {
                QVERIFY(row.percent->isChecked());
                QCOMPARE(base(row.pixelField), kGrey);
            }
            checkHelp(*window, 4003);
            QSpinBox *first = window->rows.front().spin;
            QCOMPARE(window->focusWidget(), first);
            FrameWizardChoices before, after;
            window->fill(before);
            QTest::keyClick(first, Qt::Key_Up);
            window->fill(after);
            const QString stepped = QString::number(first->value()) + '%';
            QVERIFY2((after.outerSize == stepped && after.innerSize == before.innerSize)
                         || (after.innerSize == stepped && after.outerSize == before.outerSize),
                     qPrintable(QString::number(layout)));
            QVERIFY(after.outerSize != before.outerSize || after.innerSize != before.innerSize);
        }
    }

    // Pixels: spin field and "%" label off, pixel field on and white, the
    // text taken as typed. Back to percent: spin field on, pixel field grey.
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
        QTest::keyClicks(left.pixelField, " 12 px");
        upper.spin->setValue(30);
        FrameWizardChoices choices;
        window.fill(choices);
        QCOMPARE(choices.outerSize, QString("30%"));
        QCOMPARE(choices.innerSize, QString(" 12 px"));
        left.percent->click();
        QVERIFY(!window.preview->isGrey());
    }

    void previewFollowsItsSpinField()
    {
        Tlayout1form window;
        window.show();
        LayoutPreview *preview = window.preview;
        QCOMPARE(pixel(preview, 79, 60), QColor(Qt::black)); // 50%: the left block ends at 80
        QCOMPARE(pixel(preview, 40, 60), QColor(Qt::white));
        QTest::keyClick(window.rows[0].spin, Qt::Key_Down); // 49%: 78 pixels
        QCOMPARE(pixel(preview, 77, 60), QColor(Qt::black));
        QCOMPARE(pixel(preview, 79, 60), QColor(Qt::white));
        window.rows[0].pixels->click();
        QCOMPARE(pixel(preview, 20, 60), kGrey);
        QCOMPARE(pixel(preview, 100, 60), kGrey);
    }

    // Every file field starts as ".htm", so "Next" is off; names are not
    // checked, and each frame's choice is its own.
    void namesWindows()
    {
        for (int layout = 1; layout <= 4; ++layout) {
            auto window = namesWindow(layout);
            for (const FrameNamesForm::FrameRow &row : window->rows) {
                QCOMPARE(row.fileField->text(), QString(".htm"));
                QVERIFY(row.newFile->isChecked() && !row.existingFile->isChecked());
            }
            QVERIFY(!window->okButton->isEnabled());
            checkHelp(*window, 4004);
            QCOMPARE(window->focusWidget(), window->rows.front().fileField);
            window->rows[0].nameField->clear();
            window->rows[1].existingFile->click();
            QVERIFY(window->rows[0].newFile->isChecked());
            for (size_t i = 0; i < window->rows.size(); ++i)
                window->rows[i].fileField->setText(QString("f%1.htm").arg(i));
            window->framesetField->setText("index.html");
            QVERIFY(window->okButton->isEnabled());
            FrameWizardChoices choices;
            window->fill(choices);
            QCOMPARE(choices.frame[0].name, QString());
            QCOMPARE(choices.frame[1].name, window->rows[1].nameField->text());
            QCOMPARE(choices.frame[1].file, QString("f1.htm"));
            QVERIFY(!choices.frame[0].existing && choices.frame[1].existing);
            QCOMPARE(choices.framesetFile, QString("index.html"));
        }
    }

    // Decided anew on every change: duplicates and a frameset named like a
    // frame are refused, case counts, only a way out of the folder is bad.
    void nextOnlyForDistinctPageNames()
    {
        struct Case {
            const char *left, *right, *frameset;
            bool next;
        };
        for (const Case &c :
             {Case{"a.htm", "b.html", "index.htm", true}, Case{"a.htm", "a.htm", "index.htm", false},
              Case{"a.htm", "A.htm", "index.htm", true}, Case{"a.htm", "b.htm", "a.htm", false},
              Case{"a.htm", "b.htm", "../index.htm", false}, Case{"my..page.htm", "..htm", "index.htm", true}}) {
            Tlayout11form window;
            window.rows[0].fileField->setText(c.left);
            window.rows[1].fileField->setText(c.right);
            window.framesetField->setText(c.frameset);
            QVERIFY2(window.okButton->isEnabled() == c.next, c.frameset);
            window.rows[0].fileField->setText("c.htm");
            window.rows[0].fileField->setText(c.left);
            QVERIFY2(window.okButton->isEnabled() == c.next, c.right);
        }
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

    // Borders start off and margins unticked; each column's choices are its
    // own, and the last border question gives innerBorder in layouts 3 and 4.
    void optionsWindows()
    {
        for (int layout = 1; layout <= 4; ++layout) {
            auto window = optionsWindow(layout);
            checkHelp(*window, 4005);
            const int last = int(window->columns.size()) - 1;
            FrameWizardChoices choices;
            window->fill(choices);
            QVERIFY(!choices.outerBorder && !choices.innerBorder);
            for (int i = 0; i <= last; ++i)
                QVERIFY(!choices.frame[i].horizontalMargin && !choices.frame[i].verticalMargin);
            const FrameWizardChoices before = choices;
            window->borders.back().yes->click();
            window->columns[0].scrolling[2]->click();
            window->columns[0].horizontal->click();
            window->columns.back().vertical->click();
            window->columns.back().noResize->click();
            window->fill(choices);
            QCOMPARE(choices.outerBorder, layout <= 2);
            QCOMPARE(choices.innerBorder, layout >= 3);
            QCOMPARE(choices.frame[0].scrolling, QString("Yes"));
            QCOMPARE(choices.frame[1].scrolling, before.frame[1].scrolling);
            QVERIFY(choices.frame[0].horizontalMargin && !choices.frame[0].verticalMargin);
            QVERIFY(choices.frame[last].verticalMargin);
            QCOMPARE(choices.frame[last].noResize, !before.frame[last].noResize);
        }
    }

    void directoryWindow()
    {
        g_settings = Settings(); // never configured
        Tdirdia window;
        QCOMPARE(window.directory->text(), QDir::homePath());
        checkHelp(window, 4006);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        ScriptedDialogs dialogs;
        dialogs.folderAnswers << "/tmp/chosen";
        window.directory->field->setFocus();
        QTest::keyClick(window.directory->field, Qt::Key_Down, Qt::ControlModifier);
        QCOMPARE(window.directory->text(), QString("/tmp/chosen"));
        window.okButton->click();
        QCOMPARE(window.result(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(WizardWindowsTest)
#include "tst_wizardwindows.moc"
