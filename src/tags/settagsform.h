#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The tag settings window: shows one slot at a time and sets its texts and
// the caret place, resets it or the whole table. Result: Accepted after
// "reset all", Rejected otherwise.
class Tsettagsform : public QDialog
{
    Q_OBJECT

public:
    explicit Tsettagsform(QWidget *parent = nullptr);

    int currentSlot() const { return m_slot; }
    void setVisible(bool visible) override; // shows slot 1 on every show

    QLabel *Label1, *Label2, *Label3, *Label4, *Label5;
    QPushButton *backb, *nextb, *setbutton, *BitBtn1, *BitBtn2, *setallbutton, *closeb;
    QComboBox *ComboBox1;
    QLineEdit *Edit1, *Edit2, *Edit3, *Edit4;

private:
    void FormShow();
    void backbClick();
    void nextbClick();
    void ComboBox1Change(int index);
    void setbuttonClick();
    void BitBtn1Click();
    void setallbuttonClick();
    void showSlot();
    void goTo(int slot);

    int m_slot = 1;
};
