#include "directoryedit.h"

#include "dialogs.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QShortcut>
#include <QToolButton>

DirectoryEdit::DirectoryEdit(const QString &chooserTitle, QWidget *parent)
    : QWidget(parent),
      field(new QLineEdit(this)),
      browse(new QToolButton(this)),
      m_title(chooserTitle)
{
    browse->setText(QStringLiteral("..."));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(field);
    layout->addWidget(browse);
    connect(browse, &QToolButton::clicked, this, &DirectoryEdit::browseClick);
}

QString DirectoryEdit::text() const
{
    return field->text();
}
void DirectoryEdit::setText(const QString &text)
{
    field->setText(text);
}

void DirectoryEdit::setBrowseKey(const QKeySequence &key)
{
    auto *shortcut = new QShortcut(key, this, this, &DirectoryEdit::browseClick);
    shortcut->setContext(Qt::WidgetWithChildrenShortcut);
}

void DirectoryEdit::browseClick()
{
    const QString chosen = Dialogs::folder(m_title, field->text());
    if (!chosen.isEmpty())
        field->setText(QDir::toNativeSeparators(chosen));
}
