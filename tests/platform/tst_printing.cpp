#include "apperror.h"
#include "support/files.h"
#include "support/pdftext.h"
#include "textprinter.h"

#include <QApplication>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

namespace {

QFont testFont(int size)
{
    return QFont(QStringLiteral("DejaVu Sans Mono"), size);
}

void toPdf(QPrinter &printer, const QString &path)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
}

// Lines that fit on one page of the printer in the font.
int linesPerPage(QPrinter &printer, const QFont &font)
{
    const QFontMetricsF metrics(QFont(font, &printer), &printer);
    return int(printer.pageRect(QPrinter::DevicePixel).height() / metrics.lineSpacing());
}

QStringList numberedLines(int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << QStringLiteral("line %1 of the page").arg(i, 5, 10, QLatin1Char('0'));
    return lines;
}

} // namespace

// Printing to real PDF files, read back with poppler's pdftotext.
class TestPrinting : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

    // Prints the text in the font to a PDF of that name; its path.
    QString printed(QPrinter &printer, const char *name, const QString &text, const QFont &font)
    {
        const QString path = dir.filePath(QLatin1String(name));
        toPdf(printer, path);
        printPlainText(printer, text, font, Qt::black);
        return path;
    }

private slots:
    void everyLineInOrderAndOnToTheNextPage()
    {
        QPrinter printer(QPrinter::HighResolution);
        const int perPage = linesPerPage(printer, testFont(12));
        QVERIFY(perPage > 20);
        const QStringList lines = numberedLines(perPage + 3);
        const QString path = printed(printer, "pages.pdf", lines.join('\n'), testFont(12));
        const QList<QStringList> pages = pdf::pages(path);
        QCOMPARE(pages.size(), 2);
        QCOMPARE(pages[0], lines.mid(0, perPage));
        QCOMPARE(pages[1], lines.mid(perPage));
        // The first line stands at the top of the printable area: no
        // margin or header of our own.
        const QRectF paint = printer.pageLayout().paintRect(QPageLayout::Point);
        const QList<pdf::Word> words = pdf::words(path, 2);
        QVERIFY(!words.isEmpty());
        QVERIFY(qAbs(words.first().box.top() - paint.top()) < 3);
        QVERIFY(qAbs(words.first().box.left() - paint.left()) < 1);
    }

    // The lines go down the page at the font's line spacing, and the
    // glyphs have the font's size.
    void printedInTheFontsSize()
    {
        QList<qreal> heights;
        for (int size : {9, 18}) {
            QPrinter printer(QPrinter::HighResolution);
            const QString path =
                printed(printer, size == 9 ? "small.pdf" : "large.pdf", "first\nsecond\n\nfourth", testFont(size));
            const QList<pdf::Word> words = pdf::words(path);
            QCOMPARE(words.size(), 3);
            const qreal spacing =
                QFontMetricsF(QFont(testFont(size), &printer), &printer).lineSpacing() * 72 / printer.resolution();
            QVERIFY(qAbs(words[1].box.top() - words[0].box.top() - spacing) < 0.5);
            QVERIFY(qAbs(words[2].box.top() - words[0].box.top() - 3 * spacing) < 0.5);
            heights << words[0].box.height();
        }
        QVERIFY2(qAbs(heights[1] / heights[0] - 2) < 0.1, qPrintable(QString::number(heights[1] / heights[0])));
    }

    // A line wider than the page goes on below: no word is lost.
    void wideLinesWrap()
    {
        QPrinter printer(QPrinter::HighResolution);
        QStringList words;
        for (int i = 0; i < 60; ++i)
            words << QStringLiteral("word%1").arg(i);
        const QString text(words.join(' ') + '\n' + QString(300, QLatin1Char('x')) + "\nlast");
        const QStringList lines = pdf::pages(printed(printer, "wide.pdf", text, testFont(12))).value(0);
        QVERIFY(lines.size() > 4);
        QCOMPARE(lines.join(' ').simplified().split(' ').mid(0, 60), words);
        QCOMPARE(lines.join(QString()).count('x'), 300);
        QCOMPARE(lines.last(), QString("last"));
    }

    // A tab reaches the next stop of 8 blanks, on the line it stands in.
    void tabsPrintEightBlanksWide()
    {
        QPrinter printer(QPrinter::HighResolution);
        const QList<pdf::Word> words = pdf::words(printed(printer, "tabs.pdf", "a\tb\n\t\tc\nd", testFont(10)));
        QCOMPARE(words.size(), 4);
        const qreal blank =
            QFontMetricsF(QFont(testFont(10), &printer), &printer).horizontalAdvance(' ') * 72 / printer.resolution();
        const qreal left = words[0].box.left();
        QVERIFY(qAbs(words[1].box.left() - left - 8 * blank) < 0.5);
        QVERIFY(qAbs(words[2].box.left() - left - 16 * blank) < 0.5);
        QVERIFY(qAbs(words[1].box.top() - words[0].box.top()) < 0.5);
        // Two tabs take no line of their own.
        QVERIFY(qAbs(words[3].box.top() - words[2].box.top() - (words[2].box.top() - words[0].box.top())) < 0.5);
    }

    // A printer that cannot take the job is reported; the job is closed, so
    // the same printer serves the next job.
    void failingPrinterIsReportedAndClosed()
    {
        QPrinter printer(QPrinter::HighResolution);
        writeFile(dir.filePath("afile"), {});
        QString message;
        try {
            printed(printer, "afile/out.pdf", "some text", testFont(10)); // its folder is a file
        } catch (const AppError &error) {
            message = error.message();
        }
        QCOMPARE(message, "Cannot print to the file " + dir.filePath("afile/out.pdf"));
        QVERIFY(!QFileInfo::exists(dir.filePath("afile/out.pdf")));
        QCOMPARE(pdf::pages(printed(printer, "after.pdf", "some text", testFont(10))).value(0),
                 QStringList{"some text"});
    }
};

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"
