#include "settagsform.h"

#include "apperror.h"
#include "help.h"
#include "helpcontexts.h"
#include "messages.h"
#include "tagformat.h"
#include "tagtable.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <limits>
#include <utility>

namespace {

constexpr int kListedSlots = 65; // slots 66..69 have no list entry

QLineEdit *shownOnly(QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    edit->setReadOnly(true);
    edit->setEnabled(false);
    edit->setFocusPolicy(Qt::NoFocus);
    edit->setStyleSheet(QStringLiteral("QLineEdit { background: aqua; }"));
    return edit;
}

} // namespace

Tsettagsform::Tsettagsform(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle(QStringLiteral("settagsform"));
    QFont labelFont(QStringLiteral("MS Sans Serif"));
    labelFont.setPixelSize(13);
    setFont(labelFont);

    Label1 = new QLabel(QStringLiteral("Existing opening tag:"), this);
    Label2 = new QLabel(QStringLiteral("Closing tag:"), this);
    Label3 = new QLabel(QStringLiteral("Change the opening tag here:"), this);
    Label4 = new QLabel(QStringLiteral("Closing tag:"), this);
    Label5 =
        new QLabel(QStringLiteral("Place the cursor where You want it to appear, before You Click \"set\" !"), this);
    QFont smallItalic = labelFont;
    smallItalic.setPixelSize(11);
    smallItalic.setItalic(true);
    Label5->setFont(smallItalic);
    Label5->setStyleSheet(QStringLiteral("color: red;"));

    backb = new QPushButton(QStringLiteral("Back"), this);
    nextb = new QPushButton(QStringLiteral("Next"), this);
    ComboBox1 = new QComboBox(this);
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    for (int n = 1; n <= kListedSlots; ++n)
        ComboBox1->addItem(QString::fromLatin1(tagDefault(n).listName));

    Edit1 = shownOnly(this);
    Edit2 = shownOnly(this);
    Edit3 = new QLineEdit(this);
    Edit4 = new QLineEdit(this);
    Edit3->setMaxLength(std::numeric_limits<int>::max());
    Edit4->setMaxLength(std::numeric_limits<int>::max());

    setbutton = new QPushButton(QStringLiteral("Set new format for the tag shown"), this);
    BitBtn1 = new QPushButton(QStringLiteral("Set shown tag to default"), this);
    BitBtn2 = new QPushButton(QStringLiteral("&Help"), this);
    setallbutton = new QPushButton(QStringLiteral("Set/reset ALL tags to default format"), this);
    closeb = new QPushButton(QStringLiteral("Done"), this);
    for (QPushButton *button : {backb, nextb, setbutton, BitBtn1, BitBtn2, setallbutton, closeb})
        button->setAutoDefault(false);

    auto *grid = new QGridLayout(this);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(backb, 0, 1);
    grid->addWidget(ComboBox1, 0, 2);
    grid->addWidget(nextb, 0, 3);
    grid->addWidget(Label2, 0, 4);
    grid->addWidget(Edit1, 1, 0, 1, 4);
    grid->addWidget(Edit2, 1, 4);
    grid->addWidget(Label3, 2, 0);
    grid->addWidget(Label5, 2, 1, 1, 3);
    grid->addWidget(Label4, 2, 4);
    grid->addWidget(Edit3, 3, 0, 1, 4);
    grid->addWidget(Edit4, 3, 4);
    auto *buttons = new QHBoxLayout;
    for (QPushButton *button : {setbutton, BitBtn1, BitBtn2, setallbutton, closeb})
        buttons->addWidget(button);
    grid->addLayout(buttons, 4, 0, 1, 5);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(4, 1);

    // The designed size, grown as little as the captions need to be shown
    // whole in the fonts this system has.
    setFixedSize(QSize(640, 196).expandedTo(grid->totalMinimumSize()));

    connect(backb, &QPushButton::clicked, this, &Tsettagsform::backbClick);
    connect(nextb, &QPushButton::clicked, this, &Tsettagsform::nextbClick);
    connect(ComboBox1, &QComboBox::activated, this, &Tsettagsform::ComboBox1Change);
    connect(setbutton, &QPushButton::clicked, this, [this] { runCommand([this] { setbuttonClick(); }); });
    connect(BitBtn1, &QPushButton::clicked, this, [this] { runCommand([this] { BitBtn1Click(); }); });
    connect(BitBtn2, &QPushButton::clicked, this, [] { Help::showTopic(HelpContext::kTagSettings); });
    connect(setallbutton, &QPushButton::clicked, this, [this] { runCommand([this] { setallbuttonClick(); }); });
    connect(closeb, &QPushButton::clicked, this, &QDialog::reject);
}

void Tsettagsform::setVisible(bool visible)
{
    QDialog::setVisible(visible);
    // After the dialog's own first focus-in, which would select all of Edit3.
    if (visible)
        FormShow();
}

void Tsettagsform::FormShow()
{
    ComboBox1->setCurrentIndex(0);
    backb->setEnabled(false);
    m_slot = 1;
    showSlot();
}

void Tsettagsform::backbClick()
{
    if (m_slot > 1)
        --m_slot;
    goTo(m_slot);
}

void Tsettagsform::nextbClick()
{
    if (m_slot < TagTable::kSlots)
        ++m_slot;
    goTo(m_slot);
}

void Tsettagsform::goTo(int slot)
{
    m_slot = slot;
    backb->setEnabled(m_slot > 1);
    nextb->setEnabled(m_slot < TagTable::kSlots);
    showSlot();
    if (m_slot <= kListedSlots) {
        ComboBox1->setCurrentIndex(m_slot - 1);
    } else {
        ComboBox1->setCurrentIndex(-1);
        ComboBox1->setEditText(QString());
    }
}

void Tsettagsform::ComboBox1Change(int index)
{
    // Typed text that names no entry leaves the current slot alone.
    if (index < 0 || index >= kListedSlots)
        return;
    goTo(index + 1);
}

void Tsettagsform::showSlot()
{
    const TagSlot &slot = g_tags.slot(m_slot);
    // Each field shows its text from the start; Edit3 then as much as
    // shows its caret.
    for (auto [edit, text] :
         {std::pair{Edit1, slot.opening}, {Edit2, slot.closing}, {Edit3, slot.opening}, {Edit4, slot.closing}}) {
        edit->setText(text);
        edit->home(false);
    }
    Edit3->setFocus();
    Edit3->setCursorPosition(caretInOpening(slot));
}

void Tsettagsform::setbuttonClick()
{
    const int caret = Edit3->hasSelectedText() ? Edit3->selectionStart() : Edit3->cursorPosition();
    setTagFormat(m_slot, Edit3->text(), caret, Edit4->text());
}

void Tsettagsform::BitBtn1Click()
{
    if (Messages::show(Messages::Kind::Confirmation, QStringLiteral("Are You sure You want to reset this tag ?"),
                       Messages::Yes | Messages::No)
        == Messages::Yes)
        resetTag(m_slot);
    showSlot();
}

void Tsettagsform::setallbuttonClick()
{
    if (Messages::show(Messages::Kind::Confirmation,
                       QStringLiteral("Are You REALLY sure You want to reset all tags to default ?"),
                       Messages::Yes | Messages::Cancel)
        != Messages::Yes)
        return;
    installAllTags();
    accept();
}
