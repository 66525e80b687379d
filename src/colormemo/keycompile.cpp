#include "keycompile.h"

#include "colorfromtext.h"

namespace {

std::u16string toU16(QStringView text)
{
    return std::u16string(reinterpret_cast<const char16_t *>(text.utf16()), std::size_t(text.size()));
}

std::u16string upperedIf(bool upper, QStringView text)
{
    std::u16string out = toU16(text);
    if (upper)
        upperCaseAscii(out.data(), out.size());
    return out;
}

TColor lineColor(QStringView colorPart, TColor defKeyColor)
{
    return colorPart.trimmed().isEmpty() ? defKeyColor : ColorFromText(colorPart);
}

// Walks the compiled key string as the scan reads it: from its second
// character, each '*' ends a key; "*+" puts the colour in the next four
// characters and the next key starts six characters on.
std::vector<CompiledKey> walkKeys(const std::u16string &text)
{
    std::vector<CompiledKey> keys;
    std::size_t start = 1;
    while (start < text.size()) {
        const std::size_t star = text.find(u'*', start);
        if (star == std::u16string::npos)
            break;
        CompiledKey key{text.substr(start, star - start), std::nullopt};
        const bool ownColor = star + 1 < text.size() && text[star + 1] == u'+';
        if (ownColor) {
            TColor color = 0;
            for (std::size_t b = 0; b < 4 && star + 2 + b < text.size(); ++b)
                color |= TColor(text[star + 2 + b] & 0xFF) << (8 * b);
            key.color = color;
        }
        if (!key.key.empty())
            keys.push_back(std::move(key));
        start = star + (ownColor ? 6 : 1);
    }
    return keys;
}

void compileMarkers(MarkerTable &table, const QStringList &lines, TColor defKeyColor, bool lineEnd)
{
    table.fill(Marker{});
    const int count = std::min<int>(int(lines.size()), MarkerCount);
    for (int i = 0; i < count; ++i) {
        const QString &line = lines[i];
        const qsizetype p = line.indexOf(u';');
        QStringView key(line);
        QStringView endKey;
        QStringView colorPart;
        if (lineEnd) {
            if (p == 0 && line.size() > 1 && line[1] == u';') {
                key = QStringView(line).left(1);
                colorPart = QStringView(line).mid(2);
            } else if (p > 0) {
                key = QStringView(line).left(p);
                colorPart = QStringView(line).mid(p + 1);
            }
        } else {
            if (p <= 0)
                continue; // leaves the record empty, which ends the table
            key = QStringView(line).left(p);
            const QStringView rest = QStringView(line).mid(p + 1);
            const qsizetype q = rest.indexOf(u';');
            endKey = q < 0 ? rest : rest.left(q);
            if (q >= 0)
                colorPart = rest.mid(q + 1);
        }
        Marker &marker = table[std::size_t(i)];
        marker.beginKey = toU16(key.left(MarkerKeyLength));
        marker.endKey = toU16(endKey.left(MarkerKeyLength));
        marker.color = lineColor(colorPart, defKeyColor);
    }
}

} // namespace

void upperCaseAscii(char16_t *text, std::size_t length)
{
    for (std::size_t i = 0; i < length; ++i) {
        if (text[i] >= u'a' && text[i] <= u'z')
            text[i] = char16_t(text[i] - (u'a' - u'A'));
    }
}

CompiledKeywords compileKeywords(const QStringList &lines, bool keyCase, TColor defKeyColor)
{
    CompiledKeywords compiled;
    for (const QString &line : lines) {
        if (line.trimmed().isEmpty())
            continue;
        const qsizetype semicolon = line.indexOf(u';');
        const QStringView keyPart = semicolon < 0 ? QStringView(line) : QStringView(line).left(semicolon);
        const QStringView colorPart = semicolon < 0 ? QStringView() : QStringView(line).mid(semicolon + 1);
        if (!keyPart.trimmed().isEmpty()) {
            const TColor color = lineColor(colorPart, defKeyColor);
            compiled.text += upperedIf(!keyCase, keyPart);
            compiled.text += u"*+";
            for (int b = 0; b < 4; ++b)
                compiled.text += char16_t((color >> (8 * b)) & 0xFF);
            compiled.text += u'*';
        }
        compiled.text += upperedIf(!keyCase, line);
        compiled.text += u'*';
    }
    compiled.keys = walkKeys(compiled.text);
    std::vector<std::u16string> keys;
    for (const CompiledKey &key : compiled.keys)
        keys.push_back(key.key);
    compiled.matcher = KeyMatcher(keys);
    return compiled;
}

void compileBeginEndList(MarkerTable &table, const QStringList &lines, TColor defKeyColor)
{
    compileMarkers(table, lines, defKeyColor, false);
}

void compileLineEndList(MarkerTable &table, const QStringList &lines, TColor defKeyColor)
{
    compileMarkers(table, lines, defKeyColor, true);
}
