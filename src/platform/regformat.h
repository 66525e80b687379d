#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <vector>

// The text format of the settings file: a registry export with our section.
//
//   REGEDIT4
//
//   [HKEY_LOCAL_MACHINE\Software\Varnholt\Quendel\Config]
//   "VAR5"="MS Sans Seriff"
//   "VAR6"=dword:0000000a
//
// The file is 8-bit text: names and strings keep every byte (see
// bytetext.h). A RegDocument keeps the file's own lines; setting or
// removing a value touches that value's lines only, so other sections,
// comments, the default value and values we never write stay byte for byte.
namespace RegFormat {

inline constexpr char kSection[] = "HKEY_LOCAL_MACHINE\\Software\\Varnholt\\Quendel\\Config";

struct Value {
    // String: quoted, hex(1) and hex(2) values. Other: every other type
    // (binary, multi-string, ...), which is only ever kept as it stands.
    enum class Type { String, Dword, Other };
    Type type = Type::Other;
    QString text;
    qint32 number = 0;
};

// The bytes that stand after "NAME"= for a string or a number.
QByteArray stringText(const QString &text);
QByteArray dwordText(qint32 number);

class Document
{
public:
    // Takes a whole file. Returns false, with a reason, when our section
    // holds anything that is not this format or the file is no registry
    // export at all. Lines of other sections are kept unread.
    bool parse(const QByteArray &file, QString *error = nullptr);

    // The value of our section, nullptr when it has none of that name.
    // Names are compared without regard to case, as the registry does.
    const Value *find(const QString &name) const;
    // Every value of our section, by its name in folded case.
    const QHash<QString, Value> &values() const { return m_values; }

    void setString(const QString &name, const QString &text);
    void setDword(const QString &name, qint32 number);
    void remove(const QString &name);

    QByteArray bytes() const;

private:
    struct Line {
        QByteArray bytes;    // as in the file, line end included
        QString key;         // folded name of a value of ours, else empty
        bool anchor = false; // our section's header or one of its values
    };

    void set(const QString &name, const Value &value, const QByteArray &text);
    QByteArray lineEnd() const;
    // Where a new value goes: after the last value of our section, which
    // is created at the end when the file has none.
    qsizetype insertionPoint();

    std::vector<Line> m_lines;
    QHash<QString, Value> m_values;
};

} // namespace RegFormat
