#pragma once

#include <QStringList>

// Whether a file name is one the wizard may write a page to: it ends in
// ".htm" or ".html" (case as written) with at least one character before
// the ending, and it names a file in the chosen directory itself, so it
// holds no "/".
bool isPageName(const QString &name);

// The names window lets the user go on when every name is a page name and
// no two are the same, case included.
bool pageNamesAcceptable(const QStringList &names);
