#include "rulestore.h"

#include "colorrule.h"

#include <QMetaEnum>
#include <QMetaProperty>

StoredRule storeRule(const TColorRule &rule)
{
    const TColorRule defaults;
    const QMetaObject &meta = TColorRule::staticMetaObject;
    StoredRule stored;
    for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i) {
        const QMetaProperty property = meta.property(i);
        const QVariant value = property.read(&rule);
        if (value == property.read(&defaults))
            continue;
        if (property.isEnumType())
            stored.append({property.name(), QString::fromLatin1(property.enumerator().valueToKey(value.toInt()))});
        else
            stored.append({property.name(), value});
    }
    return stored;
}

void loadRule(TColorRule &rule, const StoredRule &values)
{
    const QMetaObject &meta = TColorRule::staticMetaObject;
    for (const auto &[name, value] : values) {
        const int index = meta.indexOfProperty(name.toLatin1().constData());
        if (index < meta.propertyOffset())
            continue;
        const QMetaProperty property = meta.property(index);
        if (property.isEnumType()) {
            bool ok = false;
            const int number = property.enumerator().keyToValue(value.toString().toLatin1().constData(), &ok);
            if (ok)
                property.write(&rule, number);
        } else {
            property.write(&rule, value);
        }
    }
}
