#include "fontform.h"

#include "help.h"
#include "helpcontexts.h"
#include "settings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// A size field that takes any number typed and, once the typing is done,
// sets the nearest size of its range: 25 becomes 18, 3 becomes 8.
class NearestSizeSpinBox : public QSpinBox
{
public:
    using QSpinBox::QSpinBox;

protected:
    QValidator::State validate(QString &text, int &pos) const override
    {
        bool isNumber = false;
        const int typed = locale().toInt(text, &isNumber);
        if (!isNumber)
            return QSpinBox::validate(text, pos);
        return typed >= minimum() && typed <= maximum() ? QValidator::Acceptable : QValidator::Intermediate;
    }

    void fixup(QString &text) const override
    {
        bool isNumber = false;
        const int typed = locale().toInt(text, &isNumber);
        if (isNumber)
            text = locale().toString(std::clamp(typed, minimum(), maximum()));
    }
};

} // namespace

Tfontform::Tfontform(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Font window"));
    Label1 = new QLabel(QStringLiteral("Choose your font and size"), this);
    Label1->setAlignment(Qt::AlignCenter);
    ComboBox1 = new QComboBox(this);
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::InsertAlphabetically);
    ComboBox1->addItems({"Arial", "Arial Narrow", "Book Antiqua", "Courier", "Courier New", "Haettenschweiler",
                         "Ms Sans Serif", "Ms Serif", "System", "Terminal", "Times New Roman", "Verdana"});
    SpinEdit1 = new NearestSizeSpinBox(this);
    SpinEdit1->setRange(8, 18);
    CheckBox1 = new QCheckBox(QStringLiteral("Set chosen values as default"), this);
    BitBtn2 = new QPushButton(QStringLiteral("Ok"), this);
    BitBtn2->setDefault(true);
    BitBtn1 = new QPushButton(QStringLiteral("Cancel"), this);
    BitBtn3 = new QPushButton(QStringLiteral("&Help"), this);

    auto *fields = new QHBoxLayout;
    fields->addWidget(ComboBox1, 1);
    fields->addWidget(SpinEdit1);
    auto *buttons = new QHBoxLayout;
    for (QPushButton *button : {BitBtn2, BitBtn1, BitBtn3})
        buttons->addWidget(button);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addLayout(fields);
    layout->addWidget(CheckBox1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(BitBtn2, &QPushButton::clicked, this, &Tfontform::BitBtn2Click);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);
    connect(BitBtn3, &QPushButton::clicked, this, [] { Help::showTopic(HelpContext::kFontAndImage); });
    FormShow();
}

void Tfontform::FormShow()
{
    ComboBox1->setEditText(g_settings.fontName);
    SpinEdit1->setValue(g_settings.fontSize);
    CheckBox1->setChecked(false);
}

void Tfontform::BitBtn2Click()
{
    SpinEdit1->interpretText(); // a size still being typed counts
    g_settings.fontName = ComboBox1->currentText();
    g_settings.fontSize = SpinEdit1->value();
    if (CheckBox1->isChecked())
        saveGeneralSettings();
    accept();
}

QFont editorFont()
{
    return QFont(g_settings.fontName, g_settings.fontSize);
}

bool runFontWindow(QWidget *parent)
{
    Tfontform fontform(parent);
    return fontform.exec() == QDialog::Accepted;
}
