#include "apperror.h"
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

private slots:
    void everyLineInOrderAndOnToTheNextPage()
    {
        QPrinter printer(QPrinter::HighResolution);
        const QString path = dir.filePath("pages.pdf");
        toPdf(printer, path);
        const int perPage = linesPerPage(printer, testFont(12));
        QVERIFY(perPage > 20);
        const QStringList lines = numberedLines(perPage + 3);
        const QString text(lines.join('\n'));
        printPlainText(printer, text, testFont(12), Qt::black);

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
            const QString path = dir.filePath(QStringLiteral("size%1.pdf").arg(size));
            toPdf(printer, path);
            const QString text("first\nsecond\n\nfourth");
            printPlainText(printer, text, testFont(size), Qt::black);
            const QList<pdf::Word> words = pdf::words(path);
            QCOMPARE(words.size(), 3);
            const QFontMetricsF metrics(QFont(testFont(size), &printer), &printer);
            const qreal spacing = metrics.lineSpacing() * 72 / printer.resolution();
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
        const QString path = dir.filePath("wide.pdf");
        toPdf(printer, path);
        QStringList words;
        for (int i = 0; i < 60; ++i)
            words << QStringLiteral("word%1").arg(i);
        const QString unbroken(300, QLatin1Char('x'));
        const QString text(words.join(' ') + '\n' + unbroken + "\nlast");
        printPlainText(printer, text, testFont(12), Qt::black);
        const QStringList printed = pdf::pages(path).value(0);
        QVERIFY(printed.size() > 4);
        QCOMPARE(printed.join(' ').simplified().split(' ').mid(0, 60), words);
        QCOMPARE(printed.join(QString()).count('x'), 300);
        QCOMPARE(printed.last(), QString("last"));
    }

    // A tab reaches the next stop of 8 blanks, on the line it stands in.
    void tabsPrintEightBlanksWide()
    {
        QPrinter printer(QPrinter::HighResolution);
        const QString path = dir.filePath("tabs.pdf");
        toPdf(printer, path);
        const QString text("a\tb\n\t\tc\nd");
        printPlainText(printer, text, testFont(10), Qt::black);
        const QList<pdf::Word> words = pdf::words(path);
        QCOMPARE(words.size(), 4);
        const QFontMetricsF metrics(QFont(testFont(10), &printer), &printer);
        const qreal blank = metrics.horizontalAdvance(' ') * 72 / printer.resolution();
        const qreal left = words[0].box.left();
        QVERIFY2(qAbs(words[1].box.left() - left - 8 * blank) < 0.5, qPrintable(QString::number(words[1].box.left() - left)));
        QVERIFY2(qAbs(words[2].box.left() - left - 16 * blank) < 0.5, qPrintable(QString::number(words[2].box.left() - left)));
        QVERIFY(qAbs(words[1].box.top() - words[0].box.top()) < 0.5);
        // Two tabs take no line of their own.
        QVERIFY(qAbs(words[3].box.top() - words[2].box.top() - (words[2].box.top() - words[0].box.top())) < 0.5);
    }

    // A printer that cannot take the job is reported; the job is closed, so
    // the same printer serves the next job.
    void failingPrinterIsReportedAndClosed()
    {
        QPrinter printer(QPrinter::HighResolution);
        const QString blocked = dir.filePath("afile");
        QFile file(blocked);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        const QString unwritable = blocked + "/out.pdf"; // its folder is a file
        toPdf(printer, unwritable);
        const QString text("some text");
        QString message;
        try {
            printPlainText(printer, text, testFont(10), Qt::black);
        } catch (const AppError &error) {
            message = error.message();
        }
        QCOMPARE(message, "Cannot print to the file " + unwritable);
        QVERIFY(!QFileInfo::exists(unwritable));

        const QString path = dir.filePath("after.pdf");
        toPdf(printer, path);
        printPlainText(printer, text, testFont(10), Qt::black);
        QCOMPARE(pdf::pages(path).value(0), QStringList{"some text"});
    }

    void tenMegabytePage()
    {
        QPrinter printer(QPrinter::HighResolution);
        const QString path = dir.filePath("big.pdf");
        toPdf(printer, path);
        const QString line = QStringLiteral("<P>%1</P>").arg(QString(93, QLatin1Char('m')));
        const int count = 10 * 1024 * 1024 / (line.size() + 2) + 1;
        QStringList lines(count, line);
        lines.last() = QStringLiteral("the very last line");
        const QString text(lines.join('\n'));
        lines.clear();
        printPlainText(printer, text, testFont(8), Qt::black);
        const int perPage = linesPerPage(printer, testFont(8));
        const int pages = (count + perPage - 1) / perPage;
        QCOMPARE(pdf::pageCount(path), pages);
        const QString lastPage = QString::fromUtf8(
            pdf::run("pdftotext", {"-f", QString::number(pages), "-l", QString::number(pages), path, "-"}));
        QVERIFY(lastPage.trimmed().endsWith("the very last line"));
    }
};

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"
