#pragma once

#include <QSize>
#include <QString>

// A picture's width and height in pixels, read from the file's header only
// (GIF and JPEG, told apart by the file name's extension). Throws AppError
// naming the file when it cannot be read, is empty, is cut short or is not
// the kind of picture its name says.
QSize readPictureSize(const QString &path);

// The single steps, for callers that already know the kind. Each returns
// false with a reason when the file is not a whole picture of that kind.
bool readJpegSize(const QString &path, QSize &size, QString &reason);
bool readGifSize(const QString &path, QSize &size, QString &reason);
