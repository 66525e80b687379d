#include "fittingfont.h"

#include <QFontInfo>
#include <QFontMetrics>

QFont fontFitting(QFont font, const QStringList &texts, int width, int smallest)
{
    const int own = QFontInfo(font).pixelSize();
    for (int pixels = own; pixels > smallest; --pixels) {
        font.setPixelSize(pixels);
        if (widestText(font, texts) <= width)
            return font;
    }
    font.setPixelSize(qMin(own, smallest));
    return font;
}

int widestText(const QFont &font, const QStringList &texts)
{
    const QFontMetrics metrics(font);
    int widest = 0;
    for (const QString &text : texts)
        widest = qMax(widest, metrics.horizontalAdvance(text));
    return widest;
}
