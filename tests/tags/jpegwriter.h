#pragma once

#include <QString>

// Writes a grey JPEG of noise through libjpeg at quality 100, baseline or
// progressive: about one byte per pixel.
bool writeTestJpeg(const QString &path, int width, int height, bool progressive);
