#pragma once

#include <QDialog>

class DirectoryEdit;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

// The configuration window: the line-break option, the three starting
// directories, storing them as defaults, and the way to the tag settings.
class Tconfigform : public QDialog
{
    Q_OBJECT

public:
    explicit Tconfigform(QWidget *parent = nullptr);

    QLabel *Label3, *Label4, *Label7, *Label8;
    QGroupBox *Panel3;
    QRadioButton *ly, *ln;
    DirectoryEdit *DirectoryEdit1, *DirectoryEdit2, *DirectoryEdit3;
    QPushButton *BitBtn2;
    QCheckBox *default1;
    QPushButton *BitBtn4, *BitBtn3, *BitBtn1;

private:
    void FormCreate();
    void BitBtn2Click();
    void BitBtn1Click();
};
