#pragma once

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

// The connection window: picks one of the stored FTP accounts, or creates
// or edits one. Result: Accepted with "Connect", which sets g_connection.
class Tconform : public QDialog
{
    Q_OBJECT

public:
    explicit Tconform(QWidget *parent = nullptr);

    QLabel *Label1;
    QListWidget *ListBox1;
    QPushButton *connectb, *newb, *editb, *cancelb, *helpb;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();
    void ListBox1Click();
    void newbClick();
    void editbClick();
    void connectbClick();
    int selectedAccount() const; // 0: none
};
