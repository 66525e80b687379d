#pragma once

#include <QString>

// The two web sites the program links to. Their host names are
// configuration, not part of any page: each has a default that an
// environment variable overrides (QUENDEL_SITE for the product's site,
// QUENDEL_HOSTING_SITE for the hosting service's member pages).
enum class Site { Product, Hosting };

// The site's address without a trailing "/", such as "http://www.quendel.org".
QString siteAddress(Site site);
// The site's address followed by the path ("/download.html"); an empty path
// gives the site's home page.
QString webAddress(Site site, const QString &path);
// The product's download page, where the updates and news are.
QString productDownloadAddress();
