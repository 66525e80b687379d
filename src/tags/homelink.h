#pragma once

#include <QString>

// The product's web site; its host name is configuration, not part of the page.
QString productSiteAddress();
QString productDownloadAddress(); // the site's "/download.html"

// The three-line block "Link to Quendel" inserts, without a final line break.
QString homeLinkBlock();
