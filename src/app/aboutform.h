#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QTextEdit;

// The about box: a motto, a few lines about the program and where to find
// more. Its size is fixed and its text cannot be changed.
class Tabout : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kWidth = 421;
    static constexpr int kHeight = 423;

    explicit Tabout(QWidget *parent = nullptr);

    QLabel *Label1, *Label2;
    QTextEdit *abmemo;
    QPushButton *BitBtn1;

    // The lines of the text area, in order.
    static QStringList lines();

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
};
