#include "settingsschema.h"

#include "settingsstore.h"

#include <QDir>

#include <algorithm>
#include <type_traits>

namespace Stored {

QString Name::text() const
{
    const QString prefix = QLatin1String(m_prefix);
    return m_number == kNoNumber ? prefix : prefix + QString::number(m_number);
}

bool Name::exists(const RegKey &key) const
{
    return key.valueExists(text());
}

void Name::remove(RegKey &key) const
{
    key.deleteValue(text());
}

void Marker::set(RegKey &key) const
{
    key.writeInteger(text(), 1);
}

template <typename T>
T Value<T>::fallback() const
{
    if constexpr (std::is_same_v<T, QString>)
        return QLatin1String(m_fallback);
    else
        return m_fallback;
}

template <typename T>
void Value<T>::readInto(const RegKey &key, T &into) const
{
    const QString name = text();
    if (!key.valueExists(name))
        return;
    if constexpr (std::is_same_v<T, QString>)
        into = key.readString(name);
    else
        into = key.readInteger(name);
}

template <typename T>
T Value<T>::read(const RegKey &key) const
{
    T value = fallback();
    readInto(key, value);
    return value;
}

template <typename T>
void Value<T>::write(RegKey &key, const T &value) const
{
    if constexpr (std::is_same_v<T, QString>)
        key.writeString(text(), value);
    else
        key.writeInteger(text(), value);
}

QString Folder::fallback() const
{
    return QDir::homePath();
}

void Folder::readInto(const RegKey &key, QString &into) const
{
    Value::readInto(key, into);
    if (into == QLatin1String(m_fallback))
        into = fallback();
}

template <typename T>
Value<T> Family<T>::operator[](int number) const
{
    Q_ASSERT(number >= m_first && number <= m_last);
    return Value<T>(m_prefix, m_fallback, number);
}

template <typename T>
bool Family<T>::hasForm(const QString &name) const
{
    const QLatin1String prefix(m_prefix);
    return name.size() > prefix.size() && name.startsWith(prefix, Qt::CaseInsensitive)
           && std::all_of(name.cbegin() + prefix.size(), name.cend(), [](QChar c) { return c.isDigit(); });
}

template class Value<QString>;
template class Value<qint32>;
template class Family<QString>;
template class Family<qint32>;

} // namespace Stored
