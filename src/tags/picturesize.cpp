#include "picturesize.h"

#include "apperror.h"

#include <QDir>
#include <QFileInfo>

QSize readPictureSize(const QString &path)
{
    const QFileInfo info(path);
    const QString suffix = info.suffix().toLower();
    QSize size;
    QString reason;
    bool read = false;
    if (!info.isFile())
        reason = QStringLiteral("the file does not exist");
    else if (info.size() == 0)
        reason = QStringLiteral("the file is empty");
    else if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg") || suffix == QLatin1String("jpe"))
        read = readJpegSize(path, size, reason);
    else if (suffix == QLatin1String("gif"))
        read = readGifSize(path, size, reason);
    else
        reason = QStringLiteral("only GIF and JPEG pictures can be measured");
    if (!read) {
        throw AppError(QStringLiteral("Cannot read the picture %1: %2").arg(QDir::toNativeSeparators(path), reason));
    }
    return size;
}
