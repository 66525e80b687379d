#include "searchform.h"

#include "helpcontexts.h"

#include <QLineEdit>
#include <QPushButton>

Tsearchform::Tsearchform(bool selectionOnly, QWidget *parent)
    : SearchDialog(QStringLiteral("Search"), QStringLiteral("Look for : "), QStringLiteral("Casesensitive"),
                   QStringLiteral("Only search in selected text"), selectionOnly, HelpContext::kSearch, parent)
{
    connect(crit, &QLineEdit::textChanged, this, [this](const QString &text) {
        if (!text.isEmpty())
            okbutton->setEnabled(true);
    });
}
