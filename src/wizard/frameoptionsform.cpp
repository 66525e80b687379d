#include "frameoptionsform.h"

#include "framechoices.h"
#include "helpcontexts.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const char *const kScrollingChoices[] = {"Never", "When needed", "Always"};
const char *const kScrollingValues[] = {"No", "Auto", "Yes"};

// A widget of its own for each group of choices, so that the groups do not
// take each other's choice away.
QWidget *choiceGroup(QWidget *parent, Qt::Orientation orientation)
{
    auto *group = new QWidget(parent);
    auto *layout =
        new QBoxLayout(orientation == Qt::Horizontal ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom, group);
    layout->setContentsMargins(0, 0, 0, 0);
    return group;
}

template <class Button>
Button *addChoice(QWidget *group, const char *caption)
{
    auto *button = new Button(QLatin1String(caption), group);
    group->layout()->addWidget(button);
    return button;
}

} // namespace

FrameOptionsForm::FrameOptionsForm(const OptionsWindowContents &contents, QWidget *parent)
    : WizardDialog(QStringLiteral("Frame wizard"), HelpContext::kFrameOptions, parent)
{
    auto *body = new QVBoxLayout;
    auto *borderGrid = new QGridLayout;
    for (const char *question : contents.borderQuestions) {
        BorderRow row;
        row.question = new QLabel(QLatin1String(question), this);
        QWidget *group = choiceGroup(this, Qt::Horizontal);
        row.yes = addChoice<QRadioButton>(group, "Yes");
        row.no = addChoice<QRadioButton>(group, "No");
        row.no->setChecked(true);
        borderGrid->addWidget(row.question, int(borders.size()), 0);
        borderGrid->addWidget(group, int(borders.size()), 1);
        borders.push_back(row);
    }
    body->addLayout(borderGrid);
    body->addSpacing(8);

    scrollingLabel = new QLabel(QStringLiteral("When do you want scroll bars on the frames ?"), this);
    marginsLabel = new QLabel(QStringLiteral("Do you want margins in the frames ?"), this);
    resizeLabel = new QLabel(QStringLiteral("Check this box if you don't want the frame/s to be resizable"), this);
    auto *grid = new QGridLayout;
    const int span = int(contents.columns.size());
    grid->addWidget(scrollingLabel, 0, 0, 1, span);
    grid->addWidget(marginsLabel, 3, 0, 1, span);
    grid->addWidget(resizeLabel, 5, 0, 1, span);
    for (int c = 0; c < span; ++c) {
        FrameColumn column;
        column.heading = new QLabel(QLatin1String(contents.columns[c]), this);
        QWidget *scrolling = choiceGroup(this, Qt::Vertical);
        for (int k = 0; k < 3; ++k)
            column.scrolling[k] = addChoice<QRadioButton>(scrolling, kScrollingChoices[k]);
        column.scrolling[contents.scrollingStart[c]]->setChecked(true);
        QWidget *margins = choiceGroup(this, Qt::Vertical);
        column.horizontal = addChoice<QCheckBox>(margins, "Horizontal");
        column.vertical = addChoice<QCheckBox>(margins, "Vertical");
        column.noResize = new QCheckBox(this);
        column.noResize->setAccessibleName(column.heading->text());
        column.noResize->setChecked(contents.noResizeStart);
        grid->addWidget(column.heading, 1, c);
        grid->addWidget(scrolling, 2, c);
        grid->addWidget(margins, 4, c);
        grid->addWidget(column.noResize, 6, c);
        columns.push_back(column);
    }
    body->addLayout(grid);
    setContents(body, QStringLiteral("OK"));
    if (contents.okFocused)
        okButton->setFocus();
}

void FrameOptionsForm::fill(FrameWizardChoices &choices) const
{
    choices.outerBorder = borders[0].yes->isChecked();
    if (borders.size() > 1)
        choices.innerBorder = borders[1].yes->isChecked();
    for (size_t i = 0; i < columns.size(); ++i) {
        const FrameColumn &column = columns[i];
        FrameChoice &frame = choices.frame[i];
        for (int k = 0; k < 3; ++k) {
            if (column.scrolling[k]->isChecked())
                frame.scrolling = QLatin1String(kScrollingValues[k]);
        }
        frame.horizontalMargin = column.horizontal->isChecked();
        frame.verticalMargin = column.vertical->isChecked();
        frame.noResize = column.noResize->isChecked();
    }
}
