#include "desktop.h"

#include <QDesktopServices>
#include <QUrl>

namespace Desktop {

void openAddress(const QString &address)
{
    QDesktopServices::openUrl(QUrl(address));
}

void openFile(const QString &path)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

} // namespace Desktop
