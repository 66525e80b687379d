#include "picturesize.h"

#include <QFile>

bool readGifSize(const QString &path, QSize &size, QString &reason)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        reason = file.errorString();
        return false;
    }
    const QByteArray header = file.read(13);
    if (!header.startsWith("GIF87a") && !header.startsWith("GIF89a")) {
        reason = QStringLiteral("it is not a GIF picture");
        return false;
    }
    if (header.size() < 13) {
        reason = QStringLiteral("the file ends inside the GIF header");
        return false;
    }
    const auto byte = [&header](int i) { return int(uchar(header[i])); };
    const int width = byte(6) | byte(7) << 8;
    const int height = byte(8) | byte(9) << 8;
    if (width == 0 || height == 0) {
        reason = QStringLiteral("the GIF header gives no size");
        return false;
    }
    // A whole GIF ends with its trailer byte; a cut-off one does not.
    char last = 0;
    if (!file.seek(file.size() - 1) || !file.getChar(&last) || last != ';') {
        reason = QStringLiteral("the GIF file is cut short");
        return false;
    }
    size = QSize(width, height);
    return true;
}
