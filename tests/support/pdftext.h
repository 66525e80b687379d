#pragma once

// Reads back a printed PDF with poppler's tools: its text page by page,
// its page count, and the boxes of its words.

#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QStringList>

namespace pdf {

inline QByteArray run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(-1);
    return process.readAllStandardOutput();
}

// The text of each page, one string a line, trailing blanks dropped.
inline QList<QStringList> pages(const QString &path)
{
    QList<QStringList> result;
    const QString text = QString::fromUtf8(run("pdftotext", {"-layout", path, "-"}));
    QStringList pageTexts = text.split(QLatin1Char('\f'));
    if (!pageTexts.isEmpty() && pageTexts.last().trimmed().isEmpty())
        pageTexts.removeLast();
    for (const QString &page : pageTexts) {
        QStringList lines;
        for (const QString &line : page.split(QLatin1Char('\n')))
            lines << line.trimmed();
        while (!lines.isEmpty() && lines.last().isEmpty())
            lines.removeLast();
        result << lines;
    }
    return result;
}

inline int pageCount(const QString &path)
{
    static const QRegularExpression pagesLine(QStringLiteral("Pages:\\s+(\\d+)"));
    return pagesLine.match(QString::fromUtf8(run("pdfinfo", {path}))).captured(1).toInt();
}

struct Word {
    QString text;
    QRectF box; // in points, y down from the page's top
};

// The words of one page (1-based) with their boxes.
inline QList<Word> words(const QString &path, int page = 1)
{
    static const QRegularExpression word(QStringLiteral(
        "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
    const QString html = QString::fromUtf8(
        run("pdftotext", {"-bbox", "-f", QString::number(page), "-l", QString::number(page), path, "-"}));
    QList<Word> result;
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto match = it.next();
        const QPointF topLeft(match.captured(1).toDouble(), match.captured(2).toDouble());
        const QPointF bottomRight(match.captured(3).toDouble(), match.captured(4).toDouble());
        result << Word{match.captured(5), QRectF(topLeft, bottomRight)};
    }
    return result;
}

} // namespace pdf
