#include "pagenames.h"

#include <QSet>

bool isPageName(const QString &name)
{
    const bool htm = name.endsWith(QLatin1String(".htm")) && name.size() > 4;
    const bool html = name.endsWith(QLatin1String(".html")) && name.size() > 5;
    // Only a separator can lead out of the chosen folder; an absolute path
    // starts with one. Dots are part of a name ("my..page.htm", "..htm").
    const bool staysInDirectory = !name.contains(QLatin1Char('/'));
    return (htm || html) && staysInDirectory;
}

bool pageNamesAcceptable(const QStringList &names)
{
    QSet<QString> seen;
    for (const QString &name : names) {
        if (!isPageName(name) || seen.contains(name))
            return false;
        seen.insert(name);
    }
    return true;
}
