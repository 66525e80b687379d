// Printing a 10,000-line page to PDF with our plain-text printer and with
// Qt's own QPlainTextEdit::print, same text, font and printer, run in turns
// in one process; and opening the help viewer at a topic. Medians of
// repeated runs, with their spread.
#include "benchsupport.h"
#include "helpfile.h"
#include "helpwindow.h"
#include "textprinter.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct Spread {
    double median, low, high;
};

Spread spread(const std::vector<double> &values)
{
    return {bench::median(values), *std::min_element(values.begin(), values.end()),
            *std::max_element(values.begin(), values.end())};
}

QString tenThousandLines()
{
    const QByteArray html = bench::denseHtml(100 * 10000);
    QStringList lines = QString::fromLatin1(html).split(QStringLiteral("\r\n"));
    return lines.mid(0, 10000).join(QLatin1Char('\n'));
}

void toPdf(QPrinter &printer, const QString &path)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
}

} // namespace

int main(int argc, char **argv)
{
    bench::quietOffscreen();
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QFont font(QStringLiteral("DejaVu Sans Mono"), 10);
    QPlainTextEdit edit;
    edit.setFont(font);
    edit.setPlainText(tenThousandLines());

    const int rounds = 7;
    std::vector<double> ours, qts, ratios;
    for (int i = 0; i < rounds; ++i) {
        QPrinter ourPrinter(QPrinter::HighResolution);
        toPdf(ourPrinter, dir.filePath(QStringLiteral("ours.pdf")));
        QPrinter qtPrinter(QPrinter::HighResolution);
        toPdf(qtPrinter, dir.filePath(QStringLiteral("qt.pdf")));
        auto runOurs = [&] {
            return bench::timeMs([&] { printPlainText(ourPrinter, edit.document()->toRawText(), font, Qt::black); });
        };
        auto runQts = [&] { return bench::timeMs([&] { edit.print(&qtPrinter); }); };
        // In turns, so that neither always runs on a warmer machine.
        double ourTime, qtTime;
        if (i % 2) {
            qtTime = runQts();
            ourTime = runOurs();
        } else {
            ourTime = runOurs();
            qtTime = runQts();
        }
        ours.push_back(ourTime);
        qts.push_back(qtTime);
        ratios.push_back(ourTime / qtTime);
    }
    const Spread print = spread(ratios);
    std::printf("print 10,000 lines to PDF, %d rounds  median ms: ours %.1f, QPlainTextEdit::print %.1f\n", rounds,
                bench::median(ours), bench::median(qts));
    std::printf("  ratio ours/Qt: median %.2f (spread %.2f to %.2f), limit 3\n", print.median, print.low, print.high);

    const QString helpPath = QStringLiteral(QUENDEL_HELP_FILE);
    std::vector<double> opens;
    bool shown = true;
    for (int i = 0; i < 21; ++i) {
        opens.push_back(bench::timeMs([&] {
            HelpWindow window(HelpFile::load({helpPath}));
            window.showTopic(1021);
            window.present();
            window.grab(); // laid out and painted
            shown = shown && window.file().hasTopic(1021);
        }));
    }
    if (!shown) {
        std::printf("the help file %s has no topic 1021\n", qPrintable(helpPath));
        return 1;
    }
    const Spread help = spread(opens);
    std::printf("open the help viewer at a topic, 21 rounds: median %.1f ms (spread %.1f to %.1f, the first "
                "%.1f), limit 100 ms\n",
                help.median, help.low, help.high, opens.front());
    return print.median <= 3.0 && help.median < 100.0 ? 0 : 2;
}
