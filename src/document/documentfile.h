#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

// How a page's bytes become text and back.
//
// Pages are 8-bit text: each byte is one character, so any file, also one
// with NUL bytes or bytes that are not UTF-8, comes back byte for byte. A
// file that is valid UTF-8 and holds non-ASCII characters (or starts with
// the UTF-8 byte-order mark) is shown as those characters and written back
// as UTF-8. A character U+DC80..U+DCFF that is not the second half of a
// surrogate pair stands for one raw byte (see bytetext.h) in either kind of
// page and is written as that byte.
enum class PageEncoding { EightBit, Utf8 };

struct PageText {
    QString text; // one '\n' per line break
    PageEncoding encoding = PageEncoding::EightBit;
    // The file starts with the UTF-8 byte-order mark. It is no part of the
    // text, so it is never shown nor typed over, and saving writes it again.
    bool byteOrderMark = false;
};

// Decodes a file's bytes; CR LF, lone CR and lone LF all become line breaks.
// Takes the bytes by value so the caller can hand them over and free them.
PageText decodePage(QByteArray bytes);

// Decodes a file to be inserted into a page so that the page stays byte
// exact: into a UTF-8 page the file goes in as UTF-8, its bytes that are
// not UTF-8 carried as they are; into an 8-bit page that holds only ASCII a
// UTF-8 file goes in as UTF-8 and the page becomes a UTF-8 page; into any
// other 8-bit page each byte goes in as one character. The result's
// encoding is the page's afterwards; a byte-order mark of the file is
// dropped, as it marks the file's encoding and is no part of its text.
PageText decodeInsertion(QByteArray bytes, PageEncoding page, bool pageHoldsOnlyAscii);

// Encodes text whose lines are separated by '\n' or U+2029 with CR LF
// breaks. In an 8-bit page a character beyond 8 bits is written as an HTML
// character reference ("&#8364;"), so nothing typed is ever dropped.
QByteArray encodePage(QStringView text, PageEncoding encoding, bool byteOrderMark = false);

// The bytes that the UTF-16 unit 'unit' takes in the encoded page, given
// the units before and after it (a null QChar at either end): a surrogate
// pair counts at its first half, its second half counts 0, and a line
// break counts 2. The sum over a text is encodePage's size without a mark.
int encodedBytes(QChar before, QChar unit, QChar after, PageEncoding encoding);

// The whole file as it is on disk; throws AppError "Cannot open file %s".
QByteArray readWholeFile(const QString &path);
// Reads a page; throws AppError "Cannot open file %s".
PageText readPageFile(const QString &path);
// Replaces the file's contents (see NativeFiles::write); throws AppError
// "Cannot create file %s". On failure the old file stays whole.
void writePageFile(const QString &path, const QByteArray &bytes);
