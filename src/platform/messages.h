#pragma once

#include <QFlags>
#include <QString>

// The one place every message box goes through. The real presenter shows a
// QMessageBox; tests install a scripted presenter that records each request
// and hands back prepared answers.
namespace Messages {

enum class Kind { Information, Warning, Error, Confirmation, Plain };

enum Button {
    Yes = 0x01,
    No = 0x02,
    OK = 0x04,
    Cancel = 0x08,
    All = 0x10,
    Help = 0x20,
};
Q_DECLARE_FLAGS(Buttons, Button)

struct Request {
    Kind kind;
    QString text;
    Buttons buttons;
    int helpContext; // 0: no help context
};

class Presenter
{
public:
    virtual ~Presenter() = default;
    // Returns the button the user chose; Cancel (or No, when there is no
    // Cancel) when the box was closed without a choice.
    virtual Button present(const Request &request) = 0;
};

Button show(Kind kind, const QString &text, Buttons buttons, int helpContext = 0);

// Installs the presenter used from now on; nullptr restores the real one.
void setPresenter(Presenter *presenter);

// The caption a box of the given kind carries.
QString caption(Kind kind);

} // namespace Messages

Q_DECLARE_OPERATORS_FOR_FLAGS(Messages::Buttons)
