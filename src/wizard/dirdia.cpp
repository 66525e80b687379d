#include "dirdia.h"

#include "directoryedit.h"
#include "settings.h"

#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

Tdirdia::Tdirdia(QWidget *parent) : WizardDialog(QStringLiteral("Frame wizard"), 4006, parent)
{
    text = new QLabel(QStringLiteral("Choose the directory where the files will be saved to"), this);
    directory = new DirectoryEdit(QStringLiteral("Look up the directory , then click \"Ok\""), this);
    directory->setBrowseKey(QKeySequence(Qt::CTRL | Qt::Key_Down));
    directory->setText(g_settings.saveDirectory);
    directory->field->setMinimumWidth(320);
    auto *contents = new QVBoxLayout;
    contents->addWidget(text);
    contents->addWidget(directory);
    setContents(contents, QStringLiteral("OK"));
    directory->field->setFocus();
}
