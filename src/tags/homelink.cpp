#include "homelink.h"

#include "sites.h"

QString homeLinkBlock()
{
    return QStringLiteral("<center>\r\n") + QStringLiteral("<a style=\"text-decoration: none\" href=\"")
           + productDownloadAddress()
           + QStringLiteral("\" target=\"_top\" onMouseOver=\"window.status='The home of Quendel';"
                            " return true\" onMouseOut=\"window.status=''; return true\">")
           + QStringLiteral("<img src=\"") + webAddress(Site::Product, QStringLiteral("/quendoban.gif"))
           + QStringLiteral("\" border=0 height=\"68\" width=\"460\""
                            " alt=\"quendo.gif 236 bytes\"><br>The home of Quendel</a>\r\n")
           + QStringLiteral("</center>");
}
