#include "textprinter.h"

#include "apperror.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>
#include <QScreen>
#include <QTextLayout>

namespace {

AppError printerError(const QPrinter &printer)
{
    if (printer.outputFormat() == QPrinter::PdfFormat || !printer.outputFileName().isEmpty())
        return AppError(QStringLiteral("Cannot print to the file %1").arg(printer.outputFileName()));
    return AppError(QStringLiteral("Cannot print on the printer %1").arg(printer.printerName()));
}

} // namespace

void printPlainText(QPrinter &printer, QStringView text, const QFont &font, const QColor &colour)
{
    QPainter painter; // ends the job when it goes, also after an error
    if (!painter.begin(&printer))
        throw printerError(printer);
    const QFont printed(font, &printer);
    const QFontMetricsF metrics(printed, &printer);
    const qreal lineHeight = metrics.lineSpacing();
    const QRectF page = printer.pageRect(QPrinter::DevicePixel);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    // A tab is 8 blanks of the printed font wide. Qt scales a layout's tab
    // stops from the screen's resolution to the printer's itself, so the
    // distance is given in the screen's units.
    const QScreen *screen = QGuiApplication::primaryScreen();
    const qreal screenDpi = screen ? qRound(screen->logicalDotsPerInchY()) : 96;
    option.setTabStopDistance(8 * metrics.horizontalAdvance(QLatin1Char(' ')) * screenDpi / printer.logicalDpiY());
    painter.setPen(colour);

    qreal y = 0;
    for (qsizetype start = 0; start <= text.size();) {
        qsizetype end = start;
        while (end < text.size() && text[end] != u'\n' && text[end] != QChar::ParagraphSeparator)
            ++end;
        QTextLayout layout(text.mid(start, end - start).toString(), printed, &printer);
        start = end + 1;
        layout.setTextOption(option);
        layout.beginLayout();
        // Each line is placed at the layout's top and drawn where its page wants it.
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(page.width());
            line.setPosition(QPointF(0, 0));
        }
        layout.endLayout();
        for (int i = 0; i < layout.lineCount(); ++i) {
            if (y > 0 && y + lineHeight > page.height()) {
                if (!printer.newPage())
                    throw printerError(printer);
                y = 0;
            }
            layout.lineAt(i).draw(&painter, QPointF(0, y));
            y += lineHeight;
        }
    }
    if (!painter.end())
        throw printerError(printer);
}
