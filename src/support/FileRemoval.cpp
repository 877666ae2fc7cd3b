#include "support/FileRemoval.h"

#include <cerrno>
#include <system_error>

#include <unistd.h>

std::optional<std::string> RemoveFile(const std::string& path)
{
    if (::unlink(path.c_str()) == 0)
        return std::nullopt;
    const int error = errno;
    // A file that is already gone (removed by hand, say) is what deleting it
    // wants; refusing would keep an entry the user can never remove.
    if (error == ENOENT)
        return std::nullopt;
    return "Cannot delete " + path + ": " + std::system_category().message(error);
}
