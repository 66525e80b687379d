#include "framesizeform.h"

#include "framechoices.h"
#include "helpcontexts.h"
#include "layoutpreview.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

void setFieldBackground(QLineEdit *field, const QColor &colour)
{
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, colour);
    field->setPalette(palette);
}

const QColor kGrey(128, 128, 128);

} // namespace

FrameSizeForm::FrameSizeForm(const SizeWindowContents &contents, QWidget *parent)
    : WizardDialog(QStringLiteral("Frame wizard"), HelpContext::kFrameSizes, parent)
{
    auto *sizes = new QVBoxLayout;
    if (*contents.intro) {
        intro = new QLabel(QLatin1String(contents.intro), this);
        intro->setWordWrap(true);
        sizes->addWidget(intro);
    }
    for (const SizeWindowContents::Size &size : contents.sizes)
        rows.push_back(makeRow(contents, size));
    for (const SizeRow &row : rows)
        sizes->addWidget(row.percent->parentWidget());
    sizes->addStretch();

    preview = new LayoutPreview(contents.layout, this);
    updatePreview();
    auto *body = new QHBoxLayout;
    body->addLayout(sizes);
    body->addSpacing(12);
    body->addWidget(preview, 0, Qt::AlignTop);
    setContents(body, QStringLiteral("Next"));
    rows.front().spin->setFocus();
}

FrameSizeForm::SizeRow FrameSizeForm::makeRow(const SizeWindowContents &contents, const SizeWindowContents::Size &size)
{
    auto *box = new QGroupBox(this);
    SizeRow row;
    row.outer = size.outer;
    row.percent = new QRadioButton(QLatin1String(contents.percentCaption), box);
    row.pixels = new QRadioButton(QStringLiteral("Pixels"), box);
    row.spin = new QSpinBox(box);
    row.spin->setRange(0, 100);
    row.spin->setValue(size.percentDefault);
    if (!contents.typedPercent)
        row.spin->findChild<QLineEdit *>()->setReadOnly(true); // the arrows still step
    row.percentLabel = new QLabel(QLatin1String(size.percentLabel), box);
    row.pixelField = new QLineEdit(box);
    row.pixelField->setEnabled(contents.pixelFieldsEnabled);
    setFieldBackground(row.pixelField, kGrey);
    row.pixelLabel = new QLabel(QLatin1String(size.pixelLabel), box);
    row.percent->setChecked(true);

    auto *grid = new QGridLayout(box);
    grid->addWidget(row.percent, 0, 0);
    grid->addWidget(row.spin, 0, 1);
    grid->addWidget(row.percentLabel, 0, 2);
    grid->addWidget(row.pixels, 1, 0);
    grid->addWidget(row.pixelField, 1, 1);
    grid->addWidget(row.pixelLabel, 1, 2);

    connect(row.percent, &QRadioButton::toggled, this, [this, row](bool on) {
        if (on)
            choosePercent(row);
    });
    connect(row.pixels, &QRadioButton::toggled, this, [this, row](bool on) {
        if (on)
            choosePixels(row);
    });
    connect(row.spin, &QSpinBox::valueChanged, this, &FrameSizeForm::updatePreview);
    return row;
}

// Going back to percent leaves the pixel field enabled (greyed) and its
// "%" label as it was: the pixel text is simply not used.
void FrameSizeForm::choosePercent(const SizeRow &row)
{
    row.spin->setEnabled(true);
    setFieldBackground(row.pixelField, kGrey);
    updatePreview();
}

void FrameSizeForm::choosePixels(const SizeRow &row)
{
    row.spin->setEnabled(false);
    row.percentLabel->setEnabled(false);
    row.pixelField->setEnabled(true);
    setFieldBackground(row.pixelField, Qt::white);
    updatePreview();
}

void FrameSizeForm::updatePreview()
{
    int outer = 0;
    int inner = 0;
    bool anyInPixels = false;
    for (const SizeRow &row : rows) {
        (row.outer ? outer : inner) = row.spin->value();
        anyInPixels = anyInPixels || row.pixels->isChecked();
    }
    preview->setPercents(outer, inner);
    preview->setGrey(anyInPixels);
}

void FrameSizeForm::fill(FrameWizardChoices &choices) const
{
    for (const SizeRow &row : rows) {
        const QString size =
            row.percent->isChecked() ? QString::number(row.spin->value()) + QLatin1Char('%') : row.pixelField->text();
        (row.outer ? choices.outerSize : choices.innerSize) = size;
    }
}
