#pragma once

#include <QString>

class RegKey;

// The layout of the settings store: every value's name, type and default,
// with typed reading and writing over an open RegKey. A value that carries
// a number belongs to a family; its name is the family's prefix followed by
// the number in decimal, without leading zeros ("TAG" and 5 make TAG5).
namespace Stored {

// A value's name, whatever its type.
class Name
{
public:
    constexpr explicit Name(const char *prefix, int number = kNoNumber) : m_prefix(prefix), m_number(number) {}

    QString text() const;
    bool exists(const RegKey &key) const;
    void remove(RegKey &key) const;

protected:
    static constexpr int kNoNumber = -1;

private:
    const char *m_prefix;
    int m_number;
};

// How each type is written in the table below: strings as literals.
template <typename T>
struct Literal;
template <>
struct Literal<QString> {
    using Type = const char *;
};
template <>
struct Literal<qint32> {
    using Type = qint32;
};

// A value of type T: QString values are strings, qint32 values integers.
// Reading a value the store holds with another type throws the store's
// "Invalid data type" AppError.
template <typename T>
class Value : public Name
{
public:
    using Default = typename Literal<T>::Type;

    constexpr Value(const char *prefix, Default fallback, int number = kNoNumber)
        : Name(prefix, number),
          m_fallback(fallback)
    {
    }

    // What holds while the store lacks the value.
    T fallback() const;
    // Reads the value into `into` when the store holds it; otherwise `into`
    // keeps what it had.
    void readInto(const RegKey &key, T &into) const;
    // The stored value, else the fallback.
    T read(const RegKey &key) const;
    void write(RegKey &key, const T &value) const;

protected:
    Default m_fallback;
};

// A value whose presence alone counts; written as the integer 1.
class Marker : public Name
{
public:
    using Name::Name;
    void set(RegKey &key) const;
};

// A starting folder. Earlier versions stored the Windows default "c:\" for
// a folder the user never chose; here that would name a folder "c:\" in the
// current one, so it stands for the home folder, which is also the fallback.
class Folder : public Value<QString>
{
public:
    constexpr Folder(const char *name, const char *windowsDefault) : Value(name, windowsDefault) {}

    QString fallback() const;
    void readInto(const RegKey &key, QString &into) const;
};

// Values numbered first to last.
template <typename T>
class Family
{
public:
    constexpr Family(const char *prefix, int first, int last, typename Value<T>::Default fallback = {})
        : m_prefix(prefix),
          m_first(first),
          m_last(last),
          m_fallback(fallback)
    {
    }

    constexpr int first() const { return m_first; }
    constexpr int last() const { return m_last; }
    Value<T> operator[](int number) const; // number: first to last
    // Whether a name has the family's form, the prefix (in any case)
    // followed by a decimal number, whatever the number.
    bool hasForm(const QString &name) const;

private:
    const char *m_prefix;
    int m_first;
    int m_last;
    typename Value<T>::Default m_fallback;
};

// General values, in the order the load reads them.
inline constexpr Value<QString> lineBreakOption{"VAR3", "0"}; // "1": a line break after the last line
inline constexpr Folder openFolder{"VAR4", "c:\\"};
inline constexpr Value<QString> fontName{"VAR5", "MS Sans Seriff"};
inline constexpr Value<qint32> fontSize{"VAR6", 10};
inline constexpr Marker tagsInstalled{"tagsins"}; // the tag table has been installed
inline constexpr Folder saveFolder{"VAR8", "c:\\"};
inline constexpr Folder textFolder{"VAR9", "c:\\"};
inline constexpr Value<qint32> accountCount{"VAR10", 0}; // written by the account save
// Read by no one; the general save deletes them.
inline constexpr Name obsoleteValue1{"VAR1"};
inline constexpr Name obsoleteValue2{"VAR2"};

// The tag table, read only while tagsInstalled is stored. A missing value
// leaves the slot as it was.
inline constexpr Family<QString> tagOpening{"TAG", 1, 69};
inline constexpr Family<qint32> tagBack{"BACK", 1, 69};
inline constexpr Family<QString> tagClosing{"CLOSE", 1, 69};
inline constexpr Family<qint32> tagExtra{"MIN", 1, 69};
inline constexpr Family<QString> definedCaption{"DEF", 0, 9}; // of slots 56 to 65

// The FTP accounts, 1 to accountCount.
inline constexpr Family<QString> accountHost{"HOST", 1, 5};
inline constexpr Family<QString> accountUser{"NAME", 1, 5};
inline constexpr Family<QString> accountPassword{"PASS", 1, 5}; // keeps the store owner-only
inline constexpr Family<QString> accountNick{"NICK", 1, 5};
// What an account knows of its server: the SHA-256 of the certificate it
// trusts, in hex, and 1 once it has connected encrypted.
inline constexpr Family<QString> trustedCertificate{"CERT", 1, 5, ""};
inline constexpr Family<qint32> connectedEncrypted{"SECURE", 1, 5, 0};

extern template class Value<QString>;
extern template class Value<qint32>;
extern template class Family<QString>;
extern template class Family<qint32>;

} // namespace Stored
