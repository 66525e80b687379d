#include "desktop.h"

#include "nativefiles.h"

#include <QDesktopServices>
#include <QUrl>

namespace Desktop {

void openAddress(const QString &address)
{
    QDesktopServices::openUrl(QUrl(address));
}

void openFile(const QString &path)
{
    // From the path's own bytes: a name that is not UTF-8 still names the file.
    QDesktopServices::openUrl(QUrl::fromEncoded(NativeFiles::fileUrl(path)));
}

} // namespace Desktop
