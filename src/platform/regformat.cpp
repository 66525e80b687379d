#include "regformat.h"

#include "bytetext.h"

#include <algorithm>

namespace RegFormat {
namespace {

QString folded(const QString &name)
{
    return name.toCaseFolded();
}

// The file's lines, each with its line end ("\n" or "\r\n"; the last line
// may have none).
QList<QByteArray> splitLines(const QByteArray &file)
{
    QList<QByteArray> lines;
    qsizetype from = 0;
    while (from < file.size()) {
        const qsizetype newline = file.indexOf('\n', from);
        const qsizetype end = newline < 0 ? file.size() : newline + 1;
        lines.append(file.sliced(from, end - from));
        from = end;
    }
    return lines;
}

QByteArrayView withoutLineEnd(QByteArrayView line)
{
    if (line.endsWith('\n'))
        line.chop(1);
    if (line.endsWith('\r'))
        line.chop(1);
    return line;
}

QByteArrayView lineEndOf(QByteArrayView line)
{
    return line.sliced(withoutLineEnd(line).size());
}

// Reads a quoted text starting at text[pos], the opening quote. A backslash
// escapes a backslash or a quote; any other backslash stands for itself.
// On success pos is just past the closing quote.
bool unquote(QByteArrayView text, qsizetype &pos, QByteArray &out)
{
    out.clear();
    for (++pos; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (c == '"') {
            ++pos;
            return true;
        }
        if (c == '\\' && pos + 1 < text.size() && (text[pos + 1] == '\\' || text[pos + 1] == '"'))
            ++pos;
        out.append(text[pos]);
    }
    return false;
}

QByteArray quoted(QByteArrayView bytes)
{
    QByteArray out = "\"";
    for (const char c : bytes) {
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

// The value text after '=', quotes included; false when it is malformed.
bool parseValue(QByteArrayView text, Value &value)
{
    if (text.startsWith('"')) {
        qsizetype pos = 0;
        QByteArray bytes;
        if (!unquote(text, pos, bytes) || !text.sliced(pos).trimmed().isEmpty())
            return false;
        value = {Value::Type::String, ByteText::decode(bytes), 0};
        return true;
    }
    if (text.startsWith("dword:")) {
        const QByteArrayView digits = text.sliced(6).trimmed();
        bool ok = false;
        const uint number = digits.toByteArray().toUInt(&ok, 16);
        if (!ok || digits.size() > 8)
            return false;
        value = {Value::Type::Dword, QString(), qint32(number)};
        return true;
    }
    if (text.startsWith("hex")) {
        const qsizetype colon = text.indexOf(':');
        QByteArray bytes;
        if (colon < 0 || !parseHexBytes(text.sliced(colon + 1), bytes))
            return false;
        const QByteArrayView type = text.first(colon);
        if (type != "hex(1)" && type != "hex(2)") {
            value = {Value::Type::Other, QString(), 0};
            return true;
        }
        // A string stored as bytes ends with its terminating zero.
        if (bytes.endsWith('\0'))
            bytes.chop(1);
        value = {Value::Type::String, ByteText::decode(bytes), 0};
        return true;
    }
    return false;
}

bool fail(QString *error, qsizetype line, const char *what)
{
    if (error)
        *error = QStringLiteral("line %1: %2").arg(line).arg(QLatin1String(what));
    return false;
}

// Whether a value that starts on one line goes on to the next: a quoted
// text whose closing quote is still missing (earlier versions wrote line
// breaks into strings as they were) or a hex list ending in a backslash.
bool quoteOpen(QByteArrayView value)
{
    qsizetype pos = 0;
    QByteArray ignored;
    return value.startsWith('"') && !unquote(value, pos, ignored);
}

bool hexContinues(QByteArrayView value)
{
    return value.startsWith("hex") && value.trimmed().endsWith('\\');
}

} // namespace

QByteArray stringText(const QString &text)
{
    const QByteArray bytes = ByteText::encode(text);
    const bool plain =
        std::none_of(bytes.cbegin(), bytes.cend(), [](char c) { return uchar(c) < 0x20 || uchar(c) == 0x7f; });
    if (plain)
        return quoted(bytes);
    // Line breaks and other control characters would break the line:
    // the text goes as its bytes, zero-terminated, as the registry has it.
    QByteArray out = "hex(1):";
    for (const char c : bytes)
        out += QByteArray::number(uchar(c), 16).rightJustified(2, '0') + ',';
    return out + "00";
}

QByteArray dwordText(qint32 number)
{
    return "dword:" + QByteArray::number(quint32(number), 16).rightJustified(8, '0');
}

bool Document::parse(const QByteArray &file, QString *error)
{
    m_lines.clear();
    m_values.clear();
    if (file.trimmed().isEmpty())
        return true; // a new, empty store
    const QList<QByteArray> physical = splitLines(file);
    bool header = false;
    bool inSection = false;
    bool ours = false;
    for (qsizetype i = 0; i < physical.size(); ++i) {
        const qsizetype lineNumber = i + 1;
        Line line{physical[i], QString(), false};
        QByteArrayView content = withoutLineEnd(physical[i]);
        if (i == 0 && content.startsWith("\xEF\xBB\xBF"))
            content = content.sliced(3);
        const QByteArrayView trimmed = content.trimmed();
        const bool empty = trimmed.isEmpty() || trimmed.startsWith(';');
        if (!header) {
            if (empty) {
                m_lines.push_back(line);
                continue;
            }
            if (trimmed != "REGEDIT4")
                return fail(error, lineNumber, "the file does not start with REGEDIT4");
            header = true;
        } else if (trimmed.startsWith('[')) {
            if (!trimmed.endsWith(']'))
                return fail(error, lineNumber, "unterminated section name");
            inSection = true;
            ours = trimmed.sliced(1, trimmed.size() - 2).compare(kSection, Qt::CaseInsensitive) == 0;
            line.anchor = ours;
        } else if (!inSection && !empty) {
            return fail(error, lineNumber, "a line outside any section");
        } else if (ours && !empty) {
            QByteArray entry = trimmed.toByteArray();
            QByteArray name;
            qsizetype pos = 0;
            if (entry.startsWith('"')) {
                if (!unquote(entry, pos, name))
                    return fail(error, lineNumber, "unterminated value name");
                line.key = folded(ByteText::decode(name));
            } else if (entry.startsWith('@')) {
                pos = 1; // the key's default value: kept, never read
            } else {
                return fail(error, lineNumber, "a line that is neither a section nor a value");
            }
            if (pos >= entry.size() || entry[pos] != '=')
                return fail(error, lineNumber, "'=' missing after the value name");
            const qsizetype valueStart = pos + 1;
            while (i + 1 < physical.size()) {
                const QByteArrayView value = QByteArrayView(entry).sliced(valueStart).trimmed();
                if (quoteOpen(value)) {
                    entry += lineEndOf(physical[i]).toByteArray();
                } else if (hexContinues(value)) {
                    entry.truncate(entry.lastIndexOf('\\'));
                } else {
                    break;
                }
                ++i;
                entry += withoutLineEnd(physical[i]).toByteArray();
                line.bytes += physical[i];
            }
            const QByteArrayView value = QByteArrayView(entry).sliced(valueStart).trimmed();
            Value parsed;
            if (value == "-")
                m_values.remove(line.key); // a deletion mark
            else if (!parseValue(value, parsed))
                return fail(error, lineNumber, "a malformed value");
            else if (!line.key.isEmpty())
                m_values.insert(line.key, parsed);
            line.anchor = true;
        }
        m_lines.push_back(line);
    }
    if (!header)
        return fail(error, 1, "the file does not start with REGEDIT4");
    return true;
}

const Value *Document::find(const QString &name) const
{
    const auto it = m_values.constFind(folded(name));
    return it == m_values.constEnd() ? nullptr : &it.value();
}

void Document::setString(const QString &name, const QString &text)
{
    set(name, {Value::Type::String, text, 0}, stringText(text));
}

void Document::setDword(const QString &name, qint32 number)
{
    set(name, {Value::Type::Dword, QString(), number}, dwordText(number));
}

void Document::set(const QString &name, const Value &value, const QByteArray &text)
{
    const QString key = folded(name);
    m_values.insert(key, value);
    Line line{quoted(ByteText::encode(name)) + '=' + text + lineEnd(), key, true};
    const auto same = [&key](const Line &l) { return l.key == key; };
    const auto first = std::find_if(m_lines.begin(), m_lines.end(), same);
    if (first == m_lines.end()) {
        const qsizetype at = insertionPoint();
        m_lines.insert(m_lines.begin() + at, std::move(line));
        return;
    }
    *first = std::move(line);
    // An earlier version may have left the name more than once.
    m_lines.erase(std::remove_if(first + 1, m_lines.end(), same), m_lines.end());
}

void Document::remove(const QString &name)
{
    const QString key = folded(name);
    m_values.remove(key);
    m_lines.erase(std::remove_if(m_lines.begin(), m_lines.end(), [&key](const Line &l) { return l.key == key; }),
                  m_lines.end());
}

QByteArray Document::lineEnd() const
{
    for (const Line &line : m_lines) {
        const QByteArrayView end = lineEndOf(line.bytes);
        if (!end.isEmpty())
            return end.toByteArray();
    }
    return "\n";
}

qsizetype Document::insertionPoint()
{
    const QByteArray end = lineEnd();
    const auto last = std::find_if(m_lines.rbegin(), m_lines.rend(), [](const Line &l) { return l.anchor; });
    if (last != m_lines.rend()) {
        Line &before = *last;
        if (lineEndOf(before.bytes).isEmpty())
            before.bytes += end;
        return m_lines.rend() - last;
    }
    if (m_lines.empty())
        m_lines.push_back({"REGEDIT4" + end, QString(), false});
    else if (lineEndOf(m_lines.back().bytes).isEmpty())
        m_lines.back().bytes += end;
    m_lines.push_back({end, QString(), false});
    m_lines.push_back({'[' + QByteArray(kSection) + ']' + end, QString(), true});
    return qsizetype(m_lines.size());
}

QByteArray Document::bytes() const
{
    QByteArray out;
    for (const Line &line : m_lines)
        out += line.bytes;
    return out;
}

} // namespace RegFormat
