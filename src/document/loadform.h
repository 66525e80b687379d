#pragma once

#include "documentfile.h"

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;
class TColorMemo;

// The text file load window: shows a text file so that the user can mark
// the part to insert into the page. The file is read as it will go into the
// page (decodeInsertion), so that the page stays byte exact.
class Tloadform : public QDialog
{
    Q_OBJECT

public:
    Tloadform(QWidget *parent, PageEncoding page, bool pageHoldsOnlyAscii);

    TColorMemo *memo1; // shows long lines as the page windows do, uncoloured
    QLabel *Label1;
    QPushButton *BitBtn3, *helpButton, *BitBtn2, *BitBtn1;

    // The part marked when "Ok" was pressed (CR LF breaks).
    QString fragment() const { return m_fragment; }
    // The page's encoding once the fragment is in.
    PageEncoding fragmentEncoding() const { return m_shownEncoding; }
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

    const PageEncoding m_page;
    const bool m_pageHoldsOnlyAscii;
    QString m_fragment;
    PageEncoding m_shownEncoding;
    QString m_chosenFile;
};

// The file the load window shows at once next time, without asking: the
// one last chosen through its dialog. Empty at every start of the program.
extern QString g_lastLoadFile;
