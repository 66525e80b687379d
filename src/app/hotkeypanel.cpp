#include "hotkeypanel.h"

#include "fittingfont.h"

#include <QLabel>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

namespace {

struct Item {
    const char *text;
    bool indented = false;
};

struct Group {
    const char *heading;
    std::initializer_list<Item> items;
};

const Group kGroups[] = {
    {"Structure(Ctrl+)", {{"B: Body"}, {"F: Frameset"}, {"R: Frame", true}, {"N: Noframes", true},
                          {"T: Table"}, {"M: Table Row", true}, {"D: Table Cell", true},
                          {"O: Caption", true}}},
    {"Objects(Ctrl+)", {{"I: Image"}, {"L: Link"}, {"E: Embed(sound/video)"}, {"S: Script(Body/Head)"},
                        {"A: Applet"}, {"P: Parameter", true}}},
    {"Text", {{"F1 : Blockquote"}, {"F2 : Bold"}, {"F3 : Emphiasis"}, {"F4 : Paragraph"},
              {"F5 : Underline"}, {"F6 : Line break"}, {"F7 : Horiz. line"}, {"F8 : Font Size"},
              {"F9 : Font Color"}, {"F10: Font Face"}, {"F11: Center"}, {"F12: Headline"}}},
    {"Lists(Shift+Alt+)", {{"9 : Numbered list"}, {"8 : Bulleted list"}, {"7 : List item"},
                           {"6 : Definition term"}, {"5 : Definition item"}, {"0 : Definition list"}}},
    {"Formtags(Shift+Ctrl+)", {{"F : Form"}, {"I : Input"}, {"T : Textarea"}, {"S : Select"},
                               {"O : Option"}, {"N : Next URL"}, {"D : Drop-down menu"}}},
    {"CSS(Ctrl+Alt+)", {{"1 : CSS Link"}, {"2 : Span Class"}, {"3 : Style(inline)"}, {"4 : Style set"}}},
    {"Javascripts(Alt+)", {{"1 : Link/statusbar"}, {"2 : Click/frameload"}, {"3 : Frame breakout"},
                           {"4 : Image flip"}, {"5 : Stop errors"}}},
    {"Meta(Shift+Ctrl+)", {{"1 : Description"}, {"2 : Keywords"}, {"3 : Author"}, {"4 : Copyright"},
                           {"5 : Language"}, {"6 : Redirect"}}},
    {"Geos(Shift+Alt+)", {{"1 : Counter"}, {"2 : Guestbook"}, {"3 : Geoguide"}, {"4 : Geo form"}}},
    {"Misch.", {{"Space (Ctrl+space)"}, {"< (Ctrl+<)"}, {"> (Ctrl+Shift+<)"}, {"Color(Ctrl+Shift+C)"}}},
};

constexpr int kPanelWidth = 144;
constexpr int kMargin = 3;
constexpr int kIndent = 12;
constexpr int kSmallestPixels = 9; // readable still; below it the panel grows instead

const QColor kHeadingColour(128, 64, 64);

QLabel *label(const QString &text, const QFont &font, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    l->setFont(font);
    l->setTextFormat(Qt::PlainText);
    return l;
}

QFont pixelFont(const char *family, int pixels, bool bold)
{
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

} // namespace

HotKeyPanel::HotKeyPanel(QWidget *parent)
    : QScrollArea(parent)
{
    setObjectName(QStringLiteral("ScrollBox1"));
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setWidgetResizable(true);
    hide();
}

void HotKeyPanel::setVisible(bool visible)
{
    // Built when first shown: its fonts and labels cost start-up time, and
    // the panel starts hidden.
    if (visible && !widget())
        buildLegend();
    QScrollArea::setVisible(visible);
}

void HotKeyPanel::buildLegend()
{
    const QString title = QStringLiteral("Hot keys");
    QStringList headings, items;
    for (const Group &group : kGroups) {
        headings << QString::fromLatin1(group.heading);
        for (const Item &item : group.items)
            items << QString::fromLatin1(item.text);
    }
    // The designed fonts, made smaller where the fonts that stand in for
    // them here are too wide for the panel; the panel grows only when even
    // the smallest readable size does not fit.
    const int inner = kPanelWidth - style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, verticalScrollBar())
                      - 2 * kMargin;
    const QFont titleFont = fontFitting(pixelFont("Courier New", 13, true), {title}, inner, kSmallestPixels);
    const QFont headingFont = fontFitting(pixelFont("MS Sans Serif", 11, true), headings, inner, kSmallestPixels);
    const QFont itemFont = fontFitting(pixelFont("Arial", 9, false), items, inner - kIndent, kSmallestPixels);
    const int needed = qMax(qMax(widestText(titleFont, {title}), widestText(headingFont, headings)),
                            widestText(itemFont, items) + kIndent);
    setFixedWidth(kPanelWidth + qMax(0, needed - inner));

    auto *content = new QWidget(this);
    QPalette palette = content->palette();
    palette.setColor(QPalette::Window, QColor(192, 192, 192));
    palette.setColor(QPalette::WindowText, kHeadingColour);
    content->setPalette(palette);
    content->setAutoFillBackground(true);

    auto *layout = new QVBoxLayout(content);
    layout->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    layout->setSpacing(1);
    QLabel *heading = label(title, titleFont, content);
    heading->setAlignment(Qt::AlignHCenter);
    layout->addWidget(heading);

    QPalette itemPalette = palette;
    itemPalette.setColor(QPalette::WindowText, Qt::black);
    for (const Group &group : kGroups) {
        layout->addSpacing(4);
        layout->addWidget(label(QString::fromLatin1(group.heading), headingFont, content));
        for (const Item &item : group.items) {
            QLabel *entry = label(QString::fromLatin1(item.text), itemFont, content);
            entry->setPalette(itemPalette);
            entry->setIndent(item.indented ? kIndent : 0);
            layout->addWidget(entry);
        }
    }
    layout->addStretch();
    setWidget(content);
}
