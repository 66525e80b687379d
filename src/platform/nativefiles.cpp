#include "nativefiles.h"

#include "bytetext.h"

#include <filesystem>

namespace NativeFiles {
namespace {

std::filesystem::path native(const QString &path)
{
    return std::filesystem::path(ByteText::nativePath(path).toStdString());
}

} // namespace

bool exists(const QString &path)
{
    std::error_code error;
    return !path.isEmpty() && std::filesystem::exists(native(path), error);
}

bool isDirectory(const QString &path)
{
    std::error_code error;
    return !path.isEmpty() && std::filesystem::is_directory(native(path), error);
}

bool makeDirectories(const QString &path)
{
    if (path.isEmpty())
        return false;
    std::error_code error;
    std::filesystem::create_directories(native(path), error);
    return isDirectory(path);
}

} // namespace NativeFiles
