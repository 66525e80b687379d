#include "version.h"

QString versionCaption()
{
    return QStringLiteral("Quendel | version " QUENDEL_VERSION " ");
}
