#include "hotkeypanel.h"

#include <QLabel>
#include <QVBoxLayout>

namespace {

struct Group {
    const char *heading;
    // A leading '>' marks an indented item.
    std::initializer_list<const char *> items;
};

const Group kGroups[] = {
    {"Structure(Ctrl+)", {"B: Body", "F: Frameset", ">R: Frame", ">N: Noframes", "T: Table",
                          ">M: Table Row", ">D: Table Cell", ">O: Caption"}},
    {"Objects(Ctrl+)", {"I: Image", "L: Link", "E: Embed(sound/video)", "S: Script(Body/Head)",
                        "A: Applet", ">P: Parameter"}},
    {"Text", {"F1 : Blockquote", "F2 : Bold", "F3 : Emphiasis", "F4 : Paragraph", "F5 : Underline",
              "F6 : Line break", "F7 : Horiz. line", "F8 : Font Size", "F9 : Font Color",
              "F10: Font Face", "F11: Center", "F12: Headline"}},
    {"Lists(Shift+Alt+)", {"9 : Numbered list", "8 : Bulleted list", "7 : List item",
                           "6 : Definition term", "5 : Definition item", "0 : Definition list"}},
    {"Formtags(Shift+Ctrl+)", {"F : Form", "I : Input", "T : Textarea", "S : Select", "O : Option",
                               "N : Next URL", "D : Drop-down menu"}},
    {"CSS(Ctrl+Alt+)", {"1 : CSS Link", "2 : Span Class", "3 : Style(inline)", "4 : Style set"}},
    {"Javascripts(Alt+)", {"1 : Link/statusbar", "2 : Click/frameload", "3 : Frame breakout",
                           "4 : Image flip", "5 : Stop errors"}},
    {"Meta(Shift+Ctrl+)", {"1 : Description", "2 : Keywords", "3 : Author", "4 : Copyright",
                           "5 : Language", "6 : Redirect"}},
    {"Geos(Shift+Alt+)", {"1 : Counter", "2 : Guestbook", "3 : Geoguide", "4 : Geo form"}},
    {"Misch.", {"Space (Ctrl+space)", "< (Ctrl+<)", "> (Ctrl+Shift+<)", "Color(Ctrl+Shift+C)"}},
};

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
    setFixedWidth(144);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setWidgetResizable(true);

    auto *content = new QWidget(this);
    QPalette palette = content->palette();
    palette.setColor(QPalette::Window, QColor(192, 192, 192));
    palette.setColor(QPalette::WindowText, kHeadingColour);
    content->setPalette(palette);
    content->setAutoFillBackground(true);

    auto *layout = new QVBoxLayout(content);
    layout->setSpacing(1);
    QLabel *title = label(QStringLiteral("Hot keys"), pixelFont("Courier New", 13, true), content);
    title->setAlignment(Qt::AlignHCenter);
    layout->addWidget(title);

    const QFont headingFont = pixelFont("MS Sans Serif", 11, true);
    const QFont itemFont = pixelFont("Arial", 9, false);
    QPalette itemPalette = palette;
    itemPalette.setColor(QPalette::WindowText, Qt::black);
    for (const Group &group : kGroups) {
        layout->addSpacing(4);
        layout->addWidget(label(QString::fromLatin1(group.heading), headingFont, content));
        for (const char *item : group.items) {
            const bool indented = item[0] == '>';
            QLabel *entry = label(QString::fromLatin1(indented ? item + 1 : item), itemFont, content);
            entry->setPalette(itemPalette);
            entry->setIndent(indented ? 12 : 0);
            layout->addWidget(entry);
        }
    }
    layout->addStretch();
    setWidget(content);
    hide();
}
