#include "support/FileCopier.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <new>
#include <vector>

#include <unistd.h>

#include "support/Paths.h"

namespace fs = std::filesystem;

namespace {

std::string WithSeparator(std::string path)
{
    if (path.empty() || path.back() != kPathSeparator)
        path += kPathSeparator;
    return path;
}

std::string WithoutTrailingSeparators(std::string path)
{
    while (path.size() > 1 && path.back() == kPathSeparator)
        path.pop_back();
    return path;
}

bool CanOpenForReading(const std::string& path)
{
    // Asked without opening: opening a FIFO of that name would wait forever.
    return ::access(path.c_str(), R_OK) == 0;
}

// The leading decimal number of `text`, as C's atoi reads it; 0 when there is
// none or it does not fit.
int LeadingNumber(std::string_view text)
{
    const size_t start = text.find_first_not_of(" \t\n\v\f\r");
    if (start == std::string_view::npos)
        return 0;
    text.remove_prefix(start);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    int value = 0;
    if (std::from_chars(text.data(), text.data() + text.size(), value).ec != std::errc())
        return 0;
    return value;
}

}  // namespace

int CFileCopier::PathKind(const std::string& path)
{
    std::error_code error;
    return PathKind(path, error);
}

int CFileCopier::PathKind(const std::string& path, std::error_code& error)
{
    const fs::file_status status = fs::status(path, error);
    if (status.type() == fs::file_type::not_found ||
        error == std::errc::no_such_file_or_directory || error == std::errc::not_a_directory) {
        error.clear();
        return 0;
    }
    if (error)
        return -1;
    return status.type() == fs::file_type::directory ? 2 : 1;
}

std::string CFileCopier::NextCopyName(const std::string& path)
{
    const size_t nameStart = path.find_last_of(kPathSeparator) + 1;  // npos + 1 == 0
    const std::string folder = path.substr(0, nameStart);
    const std::string file = path.substr(nameStart);
    const size_t dot = file.find_last_of('.');
    const std::string name = file.substr(0, dot);
    const std::string extension = dot == std::string::npos ? std::string() : file.substr(dot);

    const size_t open = name.find('(');
    const size_t close = name.find(')');
    if (name.find("Copy ") == std::string::npos || (open != std::string::npos && close == std::string::npos))
        return folder + "Copy of " + name + extension;
    if (open == std::string::npos)  // "Copy of a" -> "Copy (1) of a"
        return folder + "Copy (1) of " + name.substr(std::min<size_t>(8, name.size())) + extension;
    // "Copy (k) of a" -> "Copy (k+1) of a"
    const std::string_view number =
        close > open ? std::string_view(name).substr(open + 1, close - open - 1) : std::string_view();
    const std::string rest = name.substr(std::min(close + 5, name.size()));
    return folder + "Copy (" + std::to_string(int64_t{LeadingNumber(number)} + 1) + ") of " + rest + extension;
}

bool CFileCopier::Copy(const std::string& source, const std::string& destination)
{
    bool copied = false;
    try {
        CopyPaths(source, destination);
        copied = true;
    } catch (const CFExeption& failure) {
        errorText = failure.text;
        errorCode = failure.code;
    } catch (const std::exception& failure) {  // out of memory, in practice
        errorText = failure.what();
        errorCode = 0;
    }
    depthLimit = -1;
    return copied;
}

void CFileCopier::CopyPaths(std::string source, std::string destination)
{
    // A folder copied into the folder that holds it is already there.
    if (PathKind(source) == 2 &&
        FolderPart(WithoutTrailingSeparators(source)) == WithoutTrailingSeparators(destination))
        return;

    // Copying a folder into its own subtree would find its copy inside
    // itself; the descent stops at the depth where the copy begins.
    if (destination.find(source) != std::string::npos) {
        const auto a = std::count(source.begin(), source.end(), kPathSeparator);
        const auto b = std::count(destination.begin(), destination.end(), kPathSeparator);
        if (b >= a)
            depthLimit = static_cast<int32_t>(b - a);
    }

    // Undetermined kinds are refused too: going on would report success
    // having copied nothing.
    const auto kindOf = [](const std::string& path) {
        std::error_code error;
        const int kind = PathKind(path, error);
        if (kind == 0)
            throw CFExeption{path + " not found", 0};
        if (kind < 0)
            throw CFExeption{"Cannot examine " + path + ": " + error.message(), error.value()};
        return kind;
    };
    const int sourceKind = kindOf(source);
    const int destinationKind = kindOf(destination);

    if (sourceKind == 2 && destinationKind == 1)
        throw CFExeption{"Wrong operation", 0};
    if (sourceKind == 2) {
        const std::string folder = WithSeparator(source);
        destination = WithSeparator(destination);
        std::error_code error;
        fs::directory_iterator listing(folder, error);
        if (error)
            throw CFExeption{source + " not found", 0};
        // The name of the source folder: the text between its last two separators.
        const std::string inner = folder.substr(0, folder.size() - 1);
        const std::string name = inner.substr(inner.find_last_of(kPathSeparator) + 1);
        if (!name.empty()) {
            destination += name + kPathSeparator;
            if (!fs::create_directory(destination, error) && error)
                throw CFExeption{"Cannot create folder " + destination + ": " + error.message(), error.value()};
        }
        CopyFolderContents(folder, destination);
    } else if (destinationKind == 1) {
        CopyOneFile(source, destination);
    } else {
        CopyOneFile(source, WithSeparator(destination) + FileNamePart(source));
    }
}

void CFileCopier::CopyFolderContents(const std::string& folder, const std::string& destination)
{
    // The listing is taken whole first, so that copies made inside the
    // folder itself are not copied again.
    std::vector<std::pair<std::string, bool>> entries;  // name, is a folder
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::error_code ignored;
        entries.emplace_back(it->path().filename().string(), it->is_directory(ignored));
    }
    if (error)
        throw CFExeption{"Cannot list " + folder + ": " + error.message(), error.value()};

    for (const auto& [name, isFolder] : entries) {
        if (!isFolder) {
            CopyOneFile(folder + name, destination + name);
            continue;
        }
        if (depthLimit == 0)
            continue;
        const std::string target = destination + name + kPathSeparator;
        if (PathKind(target) == 0 && !fs::create_directory(target, error) && error)
            throw CFExeption{"Cannot create folder " + target + ": " + error.message(), error.value()};
        if (depthLimit > 0)
            --depthLimit;
        CopyFolderContents(folder + name + kPathSeparator, target);
    }
}

void CFileCopier::CopyOneFile(const std::string& source, std::string destination)
{
    if (!overwrite) {
        while (CanOpenForReading(destination))
            destination = NextCopyName(destination);
    }
    std::error_code error;
    const auto options = overwrite ? fs::copy_options::overwrite_existing : fs::copy_options::none;
    if (fs::copy_file(source, destination, options, error)) {
        lastFileWritten = destination;
        return;
    }
    // A copy that broke off midway leaves no partial file under the new
    // name; a file that was there already is never removed.
    if (!overwrite && error != std::errc::file_exists) {
        std::error_code ignored;
        fs::remove(destination, ignored);
    }
    throw CFExeption{"Cannot copy " + source + " to " + destination + ": " + error.message(), error.value()};
}
