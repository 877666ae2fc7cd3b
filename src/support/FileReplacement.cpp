#include "support/FileReplacement.h"

#include <cerrno>
#include <cstdio>
#include <system_error>

#include <unistd.h>

#include "support/Paths.h"

FileReplacement::FileReplacement(std::string target)
    : target_(std::move(target)), temporary_(TemporaryPathFor(target_)), file_(ToQtPath(temporary_))
{
}

FileReplacement::~FileReplacement()
{
    if (!committed_) {
        file_.close();
        ::unlink(temporary_.c_str());
    }
}

std::optional<std::string> FileReplacement::open()
{
    // A leftover of a killed write may be anything: start afresh.
    ::unlink(temporary_.c_str());
    if (!file_.open(QIODevice::ReadWrite | QIODevice::NewOnly | QIODevice::Unbuffered))
        return file_.errorString().toStdString();
    return std::nullopt;
}

std::optional<std::string> FileReplacement::commit()
{
    if (::fsync(file_.handle()) != 0)
        return std::system_category().message(errno);
    file_.close();
    if (std::rename(temporary_.c_str(), target_.c_str()) != 0)
        return std::system_category().message(errno);
    committed_ = true;
    return std::nullopt;
}
