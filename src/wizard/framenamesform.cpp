#include "framenamesform.h"

#include "framechoices.h"
#include "helpcontexts.h"
#include "pagenames.h"

#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// A file field: it starts as ".htm" and the caret goes before that ending
// whenever the field is entered, ready for the name.
class PageNameEdit : public QLineEdit
{
public:
    explicit PageNameEdit(QWidget *parent) : QLineEdit(QStringLiteral(".htm"), parent) {}

protected:
    void focusInEvent(QFocusEvent *event) override
    {
        QLineEdit::focusInEvent(event);
        setCursorPosition(0);
    }
};

} // namespace

FrameNamesForm::FrameNamesForm(const NamesWindowContents &contents, QWidget *parent)
    : WizardDialog(QStringLiteral("Frame wizard"), HelpContext::kFrameNames, parent)
{
    heading = new QLabel(QLatin1String(contents.heading), this);
    auto *names = new QGridLayout;
    auto *files = new QGridLayout;
    for (const NamesWindowContents::Frame &frame : contents.frames) {
        const int i = int(rows.size());
        FrameRow row;
        row.nameLabel = new QLabel(QLatin1String(frame.nameLabel), this);
        row.nameField = new QLineEdit(QLatin1String(frame.nameDefault), this);
        row.fileLabel = new QLabel(QLatin1String(frame.fileLabel), this);
        row.fileField = new PageNameEdit(this);
        auto *choice = new QWidget(this); // keeps each frame's two choices apart
        row.existingFile = new QRadioButton(QStringLiteral("Existing file"), choice);
        row.newFile = new QRadioButton(QStringLiteral("New file"), choice);
        row.newFile->setChecked(true);
        auto *choiceLayout = new QHBoxLayout(choice);
        choiceLayout->setContentsMargins(0, 0, 0, 0);
        choiceLayout->addWidget(row.existingFile);
        choiceLayout->addWidget(row.newFile);

        names->addWidget(row.nameLabel, i, 0);
        names->addWidget(row.nameField, i, 1);
        files->addWidget(row.fileLabel, 2 * i, 0, 1, 2);
        files->addWidget(row.fileField, 2 * i + 1, 0);
        files->addWidget(choice, 2 * i + 1, 1);
        rows.push_back(row);
    }
    framesetLabel = new QLabel(QStringLiteral("Enter the filename for the framespage"), this);
    framesetField = new PageNameEdit(this);
    note = new QLabel(QStringLiteral("Remeber to enter the  filename for each frame, even if the file already exists"),
                      this);
    QFont bold = note->font();
    bold.setBold(true);
    note->setFont(bold);

    auto *body = new QVBoxLayout;
    body->addWidget(heading);
    body->addLayout(names);
    body->addSpacing(8);
    body->addLayout(files);
    body->addWidget(framesetLabel);
    body->addWidget(framesetField);
    body->addSpacing(8);
    body->addWidget(note);
    setContents(body, QStringLiteral("Next"));

    for (const FrameRow &row : rows)
        connect(row.fileField, &QLineEdit::textChanged, this, &FrameNamesForm::fileNamesChanged);
    connect(framesetField, &QLineEdit::textChanged, this, &FrameNamesForm::fileNamesChanged);
    fileNamesChanged();
    rows.front().fileField->setFocus();
}

void FrameNamesForm::fileNamesChanged()
{
    QStringList names;
    for (const FrameRow &row : rows)
        names << row.fileField->text();
    names << framesetField->text();
    okButton->setEnabled(pageNamesAcceptable(names));
}

void FrameNamesForm::fill(FrameWizardChoices &choices) const
{
    for (size_t i = 0; i < rows.size(); ++i) {
        FrameChoice &frame = choices.frame[i];
        frame.name = rows[i].nameField->text();
        frame.file = rows[i].fileField->text();
        frame.existing = rows[i].existingFile->isChecked();
    }
    choices.framesetFile = framesetField->text();
}
