#include "homelink.h"

#include <QProcessEnvironment>

QString productSiteAddress()
{
    const QString configured = QProcessEnvironment::systemEnvironment().value(
        QStringLiteral("QUENDEL_SITE"));
    return configured.isEmpty() ? QStringLiteral("http://www.quendel.org") : configured;
}

QString productDownloadAddress()
{
    return productSiteAddress() + QStringLiteral("/download.html");
}

QString homeLinkBlock()
{
    const QString site = productSiteAddress();
    return QStringLiteral("<center>\r\n")
           + QStringLiteral("<a style=\"text-decoration: none\" href=\"") + productDownloadAddress()
           + QStringLiteral("\" target=\"_top\" onMouseOver=\"window.status='The home of Quendel';"
                            " return true\" onMouseOut=\"window.status=''; return true\">")
           + QStringLiteral("<img src=\"") + site
           + QStringLiteral("/quendoban.gif\" border=0 height=\"68\" width=\"460\""
                            " alt=\"quendo.gif 236 bytes\"><br>The home of Quendel</a>\r\n")
           + QStringLiteral("</center>");
}
