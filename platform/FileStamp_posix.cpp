#include "platform/FileStamp.h"

#include <QFile>

#include <sys/stat.h>

namespace platform
{

namespace
{

FileStamp stampOf(const struct stat& st)
{
    FileStamp stamp;
    stamp.identity = {quint64(st.st_dev), quint64(st.st_ino)};
    stamp.size = qint64(st.st_size);
    stamp.modified = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    stamp.changed = qint64(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec;
    return stamp;
}

} // namespace

std::optional<FileStamp> fileStamp(const QString& path)
{
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return std::nullopt;
    return stampOf(st);
}

std::optional<FileStamp> fileStampOfHandle(qintptr handle)
{
    struct stat st;
    if (::fstat(int(handle), &st) != 0)
        return std::nullopt;
    return stampOf(st);
}

} // namespace platform
