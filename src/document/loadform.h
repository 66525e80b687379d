#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// The text file load window: shows a text file so that the user can mark
// the part to insert into the page.
class Tloadform : public QDialog
{
    Q_OBJECT

public:
    explicit Tloadform(QWidget *parent = nullptr);

    QPlainTextEdit *memo1;
    QLabel *Label1;
    QPushButton *BitBtn3, *helpButton, *BitBtn2, *BitBtn1;

    // The part marked when "Ok" was pressed (CR LF breaks).
    QString fragment() const { return m_fragment; }
    // The file chosen through the window's own open dialog while it was
    // shown this time; empty when the dialog was not used.
    QString chosenFile() const { return m_chosenFile; }

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormShow();
    void BitBtn3Click();
    void BitBtn1Click();
    void chooseAndLoad();
    void load(const QString &path);
    void updateOk();

    QString m_fragment;
    QString m_chosenFile;
};

// The file the load window shows at once next time, without asking: the
// one last chosen through its dialog. Empty at every start of the program.
extern QString g_lastLoadFile;
