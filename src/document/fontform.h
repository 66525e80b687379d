#pragma once

#include <QDialog>
#include <QFont>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

// The font window: the editor font's name and size, and whether to store
// them as the defaults. "Ok" writes the font settings; Cancel changes
// nothing.
class Tfontform : public QDialog
{
    Q_OBJECT

public:
    explicit Tfontform(QWidget *parent = nullptr);

    QLabel *Label1;
    QComboBox *ComboBox1;
    QSpinBox *SpinEdit1;
    QCheckBox *CheckBox1;
    QPushButton *BitBtn2, *BitBtn1, *BitBtn3;

private:
    void FormShow();
    void BitBtn2Click();
};

// The font the settings name, in which every page is shown.
QFont editorFont();

// The font window, shown modally; whether it closed with "Ok".
bool runFontWindow(QWidget *parent);
