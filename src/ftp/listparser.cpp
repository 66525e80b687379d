#include "listparser.h"

#include "bytetext.h"
#include "ftplisting.h"

#include <QHash>
#include <QRegularExpression>

namespace {

struct Token {
    qsizetype begin;
    qsizetype end;
};

QList<Token> tokens(QByteArrayView line, qsizetype from = 0)
{
    QList<Token> found;
    qsizetype i = from;
    while (i < line.size()) {
        while (i < line.size() && line[i] == ' ')
            ++i;
        const qsizetype begin = i;
        while (i < line.size() && line[i] != ' ')
            ++i;
        if (i > begin)
            found.append({begin, i});
    }
    return found;
}

bool allDigits(QByteArrayView text)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool isMonth(QByteArrayView text)
{
    static const char *const kMonths[] = {"jan", "feb", "mar", "apr", "may", "jun",
                                          "jul", "aug", "sep", "oct", "nov", "dec"};
    return text.size() == 3 && std::any_of(std::begin(kMonths), std::end(kMonths), [text](const char *month) {
               return QByteArray(text.data(), 3).toLower() == month;
           });
}

// "12:05" or "2024".
bool isTimeOrYear(QByteArrayView text)
{
    const qsizetype colon = text.indexOf(':');
    if (colon < 0)
        return text.size() == 4 && allDigits(text);
    return allDigits(text.first(colon)) && allDigits(text.sliced(colon + 1));
}

std::optional<FTPDirItem> unixLine(QByteArrayView line)
{
    const char type = line[0];
    const QList<Token> words = tokens(line);
    // size, month, day, time or year: the name follows one blank later.
    for (qsizetype i = 2; i + 2 < words.size(); ++i) {
        const auto word = [&](qsizetype k) { return line.sliced(words[k].begin, words[k].end - words[k].begin); };
        if (!allDigits(word(i - 1)) || !isMonth(word(i)) || !allDigits(word(i + 1)) || !isTimeOrYear(word(i + 2)))
            continue;
        const qsizetype nameStart = words[i + 2].end + 1;
        if (nameStart >= line.size())
            return std::nullopt;
        FTPDirItem item;
        item.size = word(i - 1).toLongLong();
        QByteArray name = line.sliced(nameStart).toByteArray();
        if (type == 'l') {
            const qsizetype arrow = name.indexOf(" -> ");
            if (arrow >= 0) {
                item.linkTarget = name.mid(arrow + 4);
                name.truncate(arrow);
            }
            item.kind = FTPDirItem::Directory;
            item.maybeFolder = true;
        } else {
            item.kind = type == 'd' ? FTPDirItem::Directory : FTPDirItem::File;
        }
        item.serverName = name;
        item.fileName = ByteText::decode(name);
        return item;
    }
    return std::nullopt;
}

std::optional<FTPDirItem> dosLine(QByteArrayView line)
{
    static const QRegularExpression kDos(
        QStringLiteral("^\\d\\d-\\d\\d-\\d{2,4} +\\d\\d?:\\d\\d *[AaPp][Mm] +(<DIR>|\\d+) +(.+)$"));
    // Latin-1 keeps each byte as one character, so the name's bytes come back.
    const QRegularExpressionMatch match = kDos.match(QString::fromLatin1(line));
    if (!match.hasMatch())
        return std::nullopt;
    FTPDirItem item;
    const bool folder = match.captured(1) == u"<DIR>";
    item.kind = folder ? FTPDirItem::Directory : FTPDirItem::File;
    item.size = folder ? 0 : match.captured(1).toLongLong();
    item.serverName = match.captured(2).toLatin1();
    item.fileName = ByteText::decode(item.serverName);
    return item;
}

} // namespace

std::optional<FTPDirItem> parseListLine(QByteArrayView line)
{
    if (line.endsWith('\r'))
        line.chop(1);
    if (line.size() < 10)
        return std::nullopt;
    if (QByteArrayView("-dlbcps").contains(line[0]))
        return unixLine(line);
    return dosLine(line);
}

void resolveLinks(QList<FTPDirItem> &items)
{
    QHash<QByteArray, qsizetype> byName;
    for (qsizetype i = 0; i < items.size(); ++i)
        byName.insert(items[i].serverName, i);
    for (FTPDirItem &item : items) {
        if (!item.maybeFolder)
            continue;
        // Follow links within the folder; a loop or a way out of it ends the search.
        const FTPDirItem *target = &item;
        for (int step = 0; step < 8 && target->maybeFolder; ++step) {
            QByteArray name = target->linkTarget;
            while (name.startsWith("./"))
                name.remove(0, 2);
            if (name.endsWith('/'))
                name.chop(1);
            const auto found = byName.constFind(name);
            if (name.isEmpty() || name.contains('/') || found == byName.constEnd())
                break;
            target = &items[*found];
        }
        if (!target->maybeFolder) {
            item.kind = target->kind;
            item.size = target->size;
            item.maybeFolder = false;
        } else if (listedFileIcon(item.fileName) || listedFileIcon(ByteText::decode(item.linkTarget))) {
            item.kind = FTPDirItem::File;
            item.maybeFolder = false;
        }
    }
}
