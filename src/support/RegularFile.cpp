#include "support/RegularFile.h"

#include <cerrno>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>

namespace {

std::string SystemText(int error)
{
    return std::system_category().message(error);
}

// Nothing for a regular file, else what it is instead.
std::optional<std::string> KindReason(mode_t mode)
{
    if (S_ISREG(mode))
        return std::nullopt;
    const char* kind = S_ISDIR(mode)    ? "a folder"
                       : S_ISFIFO(mode) ? "a FIFO"
                       : S_ISSOCK(mode) ? "a socket"
                       : S_ISCHR(mode) || S_ISBLK(mode) ? "a device"
                                                        : "not a file";
    return std::string("it is ") + kind + ", not a regular file";
}

}  // namespace

std::optional<std::string> SpecialFileReason(const std::string& path)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return std::nullopt;
    return KindReason(info.st_mode);
}

std::optional<std::string> OpenRegularFile(const std::string& path, QFile& file, uint64_t maxBytes)
{
    // Without O_NONBLOCK, opening a FIFO waits for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return SystemText(errno);
    struct stat info {};
    std::optional<std::string> reason;
    if (::fstat(fd, &info) != 0)
        reason = SystemText(errno);
    else
        reason = KindReason(info.st_mode);
    if (!reason && uint64_t(info.st_size) > maxBytes)
        reason = "it is larger than " + std::to_string(maxBytes) + " bytes";
    if (!reason && ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0)
        reason = SystemText(errno);
    if (!reason && !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        reason = file.errorString().toStdString();
    if (reason)
        ::close(fd);
    return reason;
}

std::optional<std::string> ReadRegularFile(const std::string& path, QByteArray& bytes, uint64_t maxBytes)
{
    QFile file;
    if (std::optional<std::string> reason = OpenRegularFile(path, file, maxBytes))
        return "Cannot open " + path + ": " + *reason;
    bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return "Cannot read " + path + ": " + file.errorString().toStdString();
    return std::nullopt;
}
