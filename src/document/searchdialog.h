#pragma once

#include <QDialog>
#include <QString>

class QCheckBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

// What the search and replace windows hand to their command when closed.
struct SearchChoice {
    QString text;
    QString replacement; // Replace only
    bool caseSensitive = false;
    bool selectionOnly = false;
    bool confirmed = false; // closed with OK
};

// What the search and the replace window share: the search text, the case
// and selection boxes, and OK, Cancel and Help. The selection box is offered
// (and checked) only when the page has a selection.
class SearchDialog : public QDialog
{
    Q_OBJECT

public:
    QLabel *Label1;
    QLineEdit *crit;
    QCheckBox *uplow, *local;
    QPushButton *okbutton, *cancelbutton, *BitBtn1;

    SearchChoice choice() const { return m_choice; }

protected:
    SearchDialog(const QString &caption, const QString &lookFor, const QString &caseText, const QString &selectionText,
                 bool selectionOnly, int helpContext, QWidget *parent);
    // Rows of its own go in here, below the search text.
    QGridLayout *fields() const { return m_fields; }
    // OK: the window's texts become the choice.
    virtual void okbuttonClick();

    SearchChoice m_choice;

private:
    QGridLayout *m_fields;
};
