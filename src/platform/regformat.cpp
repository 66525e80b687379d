#include "regformat.h"

#include <QList>
#include <QStringDecoder>

namespace RegFormat {
namespace {

QString unquote(QByteArrayView text, qsizetype &pos, bool &ok)
{
    // text[pos] is the opening quote.
    QByteArray out;
    ok = false;
    for (++pos; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (c == '"') {
            ++pos;
            ok = true;
            break;
        }
        if (c == '\\' && pos + 1 < text.size() && (text[pos + 1] == '\\' || text[pos + 1] == '"'))
            ++pos;
        out.append(text[pos]);
    }
    return QString::fromUtf8(out);
}

QByteArray quote(const QString &text)
{
    QByteArray out = "\"";
    for (const char c : text.toUtf8()) {
        if (c == '\\' || c == '"')
            out.append('\\');
        out.append(c);
    }
    out.append('"');
    return out;
}

bool parseHexBytes(QByteArrayView list, QByteArray &bytes)
{
    for (const QByteArray &item : list.toByteArray().split(',')) {
        const QByteArray digits = item.trimmed();
        if (digits.isEmpty())
            continue;
        bool ok = false;
        const uint value = digits.toUInt(&ok, 16);
        if (!ok || value > 0xff)
            return false;
        bytes.append(char(value));
    }
    return true;
}

// The value text after '='; false when it is malformed.
bool parseValue(QByteArrayView text, QVariant &value)
{
    if (text.startsWith('"')) {
        qsizetype pos = 0;
        bool ok = false;
        const QString s = unquote(text, pos, ok);
        if (!ok || !text.sliced(pos).trimmed().isEmpty())
            return false;
        value = s;
        return true;
    }
    if (text.startsWith("dword:")) {
        const QByteArrayView digits = text.sliced(6).trimmed();
        bool ok = false;
        const uint number = digits.toByteArray().toUInt(&ok, 16);
        if (!ok || digits.size() > 8)
            return false;
        value = int(number);
        return true;
    }
    if (text.startsWith("hex")) {
        const qsizetype colon = text.indexOf(':');
        if (colon < 0)
            return false;
        QByteArray bytes;
        if (!parseHexBytes(text.sliced(colon + 1), bytes))
            return false;
        if (text.first(colon) == "hex(2)") {
            while (bytes.endsWith('\0'))
                bytes.chop(1);
            value = QString::fromLocal8Bit(bytes);
        } else {
            value = QVariant::fromValue(RegRaw{text.toByteArray()});
        }
        return true;
    }
    return false;
}

bool fail(QString *error, int line, const char *what)
{
    if (error)
        *error = QStringLiteral("line %1: %2").arg(line).arg(QLatin1String(what));
    return false;
}

} // namespace

bool parse(const QByteArray &file, Values &values, QString *error)
{
    if (file.trimmed().isEmpty())
        return true; // a new, empty store
    QByteArray text = file;
    if (text.startsWith("\xEF\xBB\xBF"))
        text.remove(0, 3);
    text.replace("\r\n", "\n");
    // Joins continuation lines of long hex values.
    text.replace("\\\n", "");
    const QList<QByteArray> lines = text.split('\n');
    bool header = false;
    bool inOurSection = false;
    for (int i = 0; i < lines.size(); ++i) {
        const QByteArray line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(';'))
            continue;
        if (!header) {
            if (line != "REGEDIT4")
                return fail(error, i + 1, "the file does not start with REGEDIT4");
            header = true;
            continue;
        }
        if (line.startsWith('[')) {
            if (!line.endsWith(']'))
                return fail(error, i + 1, "unterminated section name");
            inOurSection = line.mid(1, line.size() - 2).compare(kSection, Qt::CaseInsensitive) == 0;
            continue;
        }
        QString name;
        qsizetype pos = 0;
        if (line.startsWith('"')) {
            bool ok = false;
            name = unquote(line, pos, ok);
            if (!ok)
                return fail(error, i + 1, "unterminated value name");
        } else if (line.startsWith('@')) {
            pos = 1;
        } else {
            return fail(error, i + 1, "a line that is neither a section nor a value");
        }
        if (pos >= line.size() || line[pos] != '=')
            return fail(error, i + 1, "'=' missing after the value name");
        const QByteArrayView rest = QByteArrayView(line).sliced(pos + 1).trimmed();
        if (rest == "-")
            continue; // a deletion mark
        QVariant value;
        if (!parseValue(rest, value))
            return fail(error, i + 1, "a malformed value");
        if (inOurSection && !name.isEmpty())
            values.insert(name, value);
    }
    if (!header)
        return fail(error, 1, "the file does not start with REGEDIT4");
    return true;
}

QByteArray write(const Values &values)
{
    QByteArray out = "REGEDIT4\n\n[";
    out += kSection;
    out += "]\n";
    for (auto it = values.constBegin(); it != values.constEnd(); ++it) {
        out += quote(it.key());
        out += '=';
        const QVariant &value = it.value();
        if (value.canConvert<RegRaw>() && value.userType() == qMetaTypeId<RegRaw>())
            out += value.value<RegRaw>().text;
        else if (value.typeId() == QMetaType::Int || value.typeId() == QMetaType::UInt)
            out += "dword:" + QByteArray::number(value.toUInt(), 16).rightJustified(8, '0');
        else
            out += quote(value.toString());
        out += '\n';
    }
    return out;
}

} // namespace RegFormat
