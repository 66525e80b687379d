#include "ftplisting.h"

std::optional<int> listedFileIcon(const QString &fileName)
{
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return std::nullopt;
    const QStringView extension = QStringView(fileName).mid(dot);
    if (extension == u".htm" || extension == u".html")
        return 0;
    if (extension == u".css")
        return 1;
    if (extension == u".txt")
        return 2;
    return std::nullopt;
}

QString sizeText(qint64 bytes)
{
    if (bytes > 1024)
        return QString::number(bytes / 1024) + QStringLiteral(" Kb");
    return QString::number(bytes) + QStringLiteral(" bytes");
}

bool fileNameLess(const QString &a, const QString &b)
{
    const int folded = a.compare(b, Qt::CaseInsensitive);
    return folded != 0 ? folded < 0 : a < b;
}

bool isDotEntry(const QString &name)
{
    return name == u"." || name == u"..";
}
