#include "sites.h"

#include <QProcessEnvironment>

QString siteAddress(Site site)
{
    const bool product = site == Site::Product;
    QString configured = QProcessEnvironment::systemEnvironment().value(
        product ? QStringLiteral("QUENDEL_SITE") : QStringLiteral("QUENDEL_HOSTING_SITE"));
    while (configured.endsWith(QLatin1Char('/')))
        configured.chop(1);
    if (!configured.isEmpty())
        return configured;
    return product ? QStringLiteral("http://www.quendel.org") : QStringLiteral("http://www.geocities.com");
}

QString webAddress(Site site, const QString &path)
{
    return siteAddress(site) + path;
}

QString productDownloadAddress()
{
    return webAddress(Site::Product, QStringLiteral("/download.html"));
}
