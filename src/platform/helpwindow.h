#pragma once

#include "helpfile.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QTextBrowser;

// The help viewer: shows the pages of the help file, follows the links
// between topics, goes back and forward through the pages seen and finds
// words in the page shown.
class HelpWindow : public QWidget
{
    Q_OBJECT

public:
    explicit HelpWindow(HelpFile file, QWidget *parent = nullptr);

    void showContents();
    void showTopic(int context);
    // Brings the window to the front. Asked for from a modal dialog or
    // message box, it is modal above that one, so that it takes input.
    void present();

    const HelpFile &file() const { return m_file; }
    QTextBrowser *browser() const { return m_browser; }

    QPushButton *contentsButton, *backButton, *forwardButton, *findButton;
    QLineEdit *findField;
    QLabel *findNote; // says when the text is not on the page

private:
    void open(const QString &page); // "contents" or a context number
    void followLink(const QUrl &url);
    void findNext();

    HelpFile m_file;
    QTextBrowser *m_browser;
};
