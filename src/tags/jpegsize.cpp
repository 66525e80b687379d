#include "picturesize.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstring>

#include <jpeglib.h>

namespace {

struct ReturningErrors {
    jpeg_error_mgr base; // first, so libjpeg's pointer is also ours
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

// libjpeg's own handler ends the process; this one returns to readHeader.
[[noreturn]] void jumpBack(j_common_ptr info)
{
    auto *errors = reinterpret_cast<ReturningErrors *>(info->err);
    info->err->format_message(info, errors->message);
    std::longjmp(errors->jump, 1);
}

// Warnings about damaged data would go to stderr; the header decides alone.
void keepQuiet(j_common_ptr)
{
}

struct Header {
    JDIMENSION width = 0;
    JDIMENSION height = 0;
    long end = 0; // file offset where the first scan's data begins
};

// Holds no object with a destructor: longjmp would skip it.
bool readHeader(std::FILE *file, Header *header, char *message)
{
    jpeg_decompress_struct info;
    std::memset(&info, 0, sizeof info);
    ReturningErrors errors;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = jumpBack;
    errors.base.output_message = keepQuiet;
    errors.message[0] = '\0';
    if (setjmp(errors.jump)) {
        std::memcpy(message, errors.message, JMSG_LENGTH_MAX);
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_stdio_src(&info, file);
    jpeg_read_header(&info, TRUE); // stops at the first scan: nothing is decoded
    header->width = info.image_width;
    header->height = info.image_height;
    header->end = std::ftell(file) - long(info.src->bytes_in_buffer);
    jpeg_destroy_decompress(&info);
    return true;
}

// Scan data never holds the end-of-image marker FF D9, so a whole file has
// it in its last bytes (a little trailing padding is allowed for).
bool endsWithImageEnd(std::FILE *file, long from)
{
    constexpr long kTail = 4096;
    if (std::fseek(file, 0, SEEK_END) != 0)
        return false;
    const long size = std::ftell(file);
    const long start = std::max(from, size - kTail);
    if (start >= size || std::fseek(file, start, SEEK_SET) != 0)
        return false;
    unsigned char tail[kTail];
    const std::size_t got = std::fread(tail, 1, std::size_t(size - start), file);
    for (std::size_t i = 0; i + 1 < got; ++i) {
        if (tail[i] == 0xFF && tail[i + 1] == 0xD9)
            return true;
    }
    return false;
}

} // namespace

bool readJpegSize(const QString &path, QSize &size, QString &reason)
{
    std::FILE *file = std::fopen(QFile::encodeName(path).constData(), "rb");
    if (!file) {
        reason = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    Header header;
    char message[JMSG_LENGTH_MAX];
    bool read = readHeader(file, &header, message);
    if (!read)
        reason = QStringLiteral("it is not a readable JPEG picture (%1)").arg(QString::fromLatin1(message));
    else if (!endsWithImageEnd(file, header.end)) {
        read = false;
        reason = QStringLiteral("the JPEG file is cut short");
    }
    std::fclose(file);
    if (read)
        size = QSize(int(header.width), int(header.height));
    return read;
}
