#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Text that carries any bytes. Bytes that form valid UTF-8 become their
// characters; each byte that is not part of a valid sequence becomes the
// code point U+DC80 + byte (a lone low surrogate, which decoded text never
// holds otherwise), and encoding turns it back into that byte. So
// encode(decode(b)) == b for every b: file names that are not UTF-8 (an old
// site's Latin-1 "caf\xe9.html"), 8-bit bytes in the settings file and
// names from an FTP server keep every byte while Qt holds them as QString.
namespace ByteText {

QString decode(QByteArrayView bytes);
QByteArray encode(QStringView text);

inline constexpr char16_t kFirstEscape = 0xDC80;
inline constexpr char16_t kLastEscape = 0xDCFF;
inline bool isEscapedByte(QChar c)
{
    return c.unicode() >= kFirstEscape && c.unicode() <= kLastEscape;
}

// The text as a person reads it: each carried byte shows as U+FFFD.
QString displayed(QStringView text);

// A path as Qt holds it (possibly carrying bytes) and as the file system
// knows it.
inline QByteArray nativePath(QStringView path)
{
    return encode(path);
}
inline QString fromNativePath(QByteArrayView path)
{
    return decode(path);
}

} // namespace ByteText
