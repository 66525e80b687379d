#pragma once

#include <QDialog>

class QLayout;
class QPushButton;

// What every window of the frames wizard shares: its caption, a size fixed
// by its contents, its place in the middle of the screen, and the button
// row of Cancel, the window's own button that goes on ("Next" or "OK") and
// Help, which opens the window's help topic.
class WizardDialog : public QDialog
{
    Q_OBJECT

public:
    QPushButton *cancelButton = nullptr;
    QPushButton *okButton = nullptr; // none in the layout chooser
    QPushButton *helpButton = nullptr;

protected:
    WizardDialog(const QString &caption, int helpContext, QWidget *parent);

    // Puts the window's contents above the button row; an empty okText
    // leaves the window without the button that goes on.
    void setContents(QLayout *contents, const QString &okText);

    void showEvent(QShowEvent *event) override;

private:
    int m_helpContext;
};
