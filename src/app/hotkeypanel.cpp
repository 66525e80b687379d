#include "hotkeypanel.h"

#include "fittingfont.h"
#include "tagcommands.h"

#include <QLabel>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

// The legend's headings, top to bottom, each over the lines of one tag menu.
struct Heading {
    const char *text;
    const char *menu;
};

const Heading kHeadings[] = {
    {"Structure(Ctrl+)", "&Structure"},
    {"Objects(Ctrl+)", "&Objects"},
    {"Text", "&Text"},
    {"Lists(Shift+Alt+)", "&Lists"},
    {"Formtags(Shift+Ctrl+)", "Fo&rms"},
    {"CSS(Ctrl+Alt+)", "&CSS"},
    {"Javascripts(Alt+)", "&Javascripts"},
    {"Meta(Shift+Ctrl+)", "&Meta tags"},
    {"Geos(Shift+Alt+)", "&Geos"},
    {"Misch.", "Misc &x"},
};

// The legend lines under a heading, in their places.
std::vector<const LegendLine *> linesUnder(const Heading &heading)
{
    std::vector<const LegendLine *> lines;
    for (const TagCommand &command : tagCommands()) {
        if (command.legend.text && std::strcmp(command.menu, heading.menu) == 0)
            lines.push_back(&command.legend);
    }
    std::sort(lines.begin(), lines.end(), [](const LegendLine *a, const LegendLine *b) { return a->place < b->place; });
    return lines;
}

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

HotKeyPanel::HotKeyPanel(QWidget *parent) : QScrollArea(parent)
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
    for (const Heading &heading : kHeadings) {
        headings << QString::fromLatin1(heading.text);
        for (const LegendLine *line : linesUnder(heading))
            items << QString::fromLatin1(line->text);
    }
    // The designed fonts, made smaller where the fonts that stand in for
    // them here are too wide for the panel; the panel grows only when even
    // the smallest readable size does not fit.
    const int inner =
        kPanelWidth - style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, verticalScrollBar()) - 2 * kMargin;
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
    QLabel *titleLabel = label(title, titleFont, content);
    titleLabel->setAlignment(Qt::AlignHCenter);
    layout->addWidget(titleLabel);

    QPalette itemPalette = palette;
    itemPalette.setColor(QPalette::WindowText, Qt::black);
    for (const Heading &heading : kHeadings) {
        layout->addSpacing(4);
        layout->addWidget(label(QString::fromLatin1(heading.text), headingFont, content));
        for (const LegendLine *line : linesUnder(heading)) {
            QLabel *entry = label(QString::fromLatin1(line->text), itemFont, content);
            entry->setPalette(itemPalette);
            entry->setIndent(line->indented ? kIndent : 0);
            layout->addWidget(entry);
        }
    }
    layout->addStretch();
    setWidget(content);
}
