#include "messages.h"

#include "help.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace Messages {
namespace {

class BoxPresenter : public Presenter
{
public:
    Button present(const Request &request) override
    {
        QMessageBox box(QApplication::activeWindow());
        box.setWindowTitle(caption(request.kind));
        // Pages are full of tags: a text is always shown as written.
        box.setTextFormat(Qt::PlainText);
        box.setText(request.text);
        box.setTextInteractionFlags(Qt::TextSelectableByMouse);
        box.setIcon(icon(request.kind));
        const std::pair<Button, QMessageBox::StandardButton> map[] = {
            {Yes, QMessageBox::Yes},       {No, QMessageBox::No},        {OK, QMessageBox::Ok},
            {Cancel, QMessageBox::Cancel}, {All, QMessageBox::YesToAll}, {Help, QMessageBox::Help},
        };
        for (const auto &[ours, theirs] : map) {
            if (!request.buttons.testFlag(ours))
                continue;
            QAbstractButton *button = box.addButton(theirs);
            if (ours == All)
                button->setText(QObject::tr("&All"));
            if (ours == Help) {
                // Help never answers the question: the box stays open
                // while the help shows the box's topic.
                button->disconnect();
                QObject::connect(button, &QAbstractButton::clicked, &box,
                                 [context = request.helpContext] { Help::showTopic(context); });
            }
        }
        box.exec();
        const QMessageBox::StandardButton chosen = box.standardButton(box.clickedButton());
        for (const auto &[ours, theirs] : map) {
            if (theirs == chosen)
                return ours;
        }
        return request.buttons.testFlag(Cancel) ? Cancel : No;
    }

private:
    static QMessageBox::Icon icon(Kind kind)
    {
        switch (kind) {
        case Kind::Information: return QMessageBox::Information;
        case Kind::Warning: return QMessageBox::Warning;
        case Kind::Error: return QMessageBox::Critical;
        case Kind::Confirmation: return QMessageBox::Question;
        case Kind::Plain: break;
        }
        return QMessageBox::NoIcon;
    }
};

Presenter *g_presenter = nullptr;

} // namespace

QString caption(Kind kind)
{
    switch (kind) {
    case Kind::Information: return QStringLiteral("Information");
    case Kind::Warning: return QStringLiteral("Warning");
    case Kind::Error: return QStringLiteral("Error");
    case Kind::Confirmation: return QStringLiteral("Confirm");
    case Kind::Plain: break;
    }
    return QStringLiteral("Quendel");
}

Button show(Kind kind, const QString &text, Buttons buttons, int helpContext)
{
    static BoxPresenter boxes;
    Presenter *presenter = g_presenter ? g_presenter : &boxes;
    return presenter->present(Request{kind, text, buttons, helpContext});
}

void setPresenter(Presenter *presenter)
{
    g_presenter = presenter;
}

} // namespace Messages
