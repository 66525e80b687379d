#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

// How a page's bytes become text and back.
//
// Pages are 8-bit text: each byte is one character, so any file, also one
// with NUL bytes or bytes that are not UTF-8, comes back byte for byte. A
// file that is valid UTF-8 and holds non-ASCII characters is shown as those
// characters and written back as UTF-8.
enum class PageEncoding { EightBit, Utf8 };

struct PageText {
    QString text; // one '\n' per line break
    PageEncoding encoding = PageEncoding::EightBit;
};

// Decodes a file's bytes; CR LF, lone CR and lone LF all become line breaks.
// Takes the bytes by value so the caller can hand them over and free them.
PageText decodePage(QByteArray bytes);

// Encodes text whose lines are separated by '\n' or U+2029 with CR LF
// breaks. In an 8-bit page a character beyond 8 bits is written as an HTML
// character reference ("&#8364;"), so nothing typed is ever dropped.
QByteArray encodePage(QStringView text, PageEncoding encoding);

// Reads a page; throws AppError "Cannot open file %s".
PageText readPageFile(const QString &path);
// Replaces the file atomically; throws AppError "Cannot create file %s".
// On failure the old file stays whole.
void writePageFile(const QString &path, const QByteArray &bytes);
