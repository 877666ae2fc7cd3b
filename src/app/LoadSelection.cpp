#include "app/LoadSelection.h"

#include "model/Records.h"
#include "support/Paths.h"

bool SelectionFitsLoad(const std::vector<std::string>& paths)
{
    if (paths.size() > static_cast<size_t>(kMaxLibrarySounds))
        return false;
    if (paths.size() <= 1)
        return paths.empty() || paths[0].size() + 1 <= kLoadSelectionBufferSize;
    // Several files: the folder once, then each name, then one more terminator.
    size_t used = FolderPart(paths[0]).size() + 1 + 1;
    for (const std::string& path : paths)
        used += FileNamePart(path).size() + 1;
    return used <= kLoadSelectionBufferSize;
}

std::vector<LoadFile> LoadFileTable(const std::vector<std::string>& paths)
{
    std::vector<LoadFile> table;
    table.reserve(paths.size());
    for (const std::string& path : paths) {
        LoadFile file{FileNamePart(path), path, {}};
        if (const size_t dot = file.name.rfind('.'); dot != std::string::npos)
            file.extension = file.name.substr(dot + 1);
        table.push_back(std::move(file));
    }
    return table;
}
