#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QVariant>

class TColorRule;

// A rule's properties by name, in declaration order, leaving out those at
// their default; TKeyDrawingType goes by its value name ("dtKeyShow").
using StoredRule = QList<QPair<QString, QVariant>>;

StoredRule storeRule(const TColorRule &rule);
// Sets the named properties; names the rule does not have are ignored.
void loadRule(TColorRule &rule, const StoredRule &values);
