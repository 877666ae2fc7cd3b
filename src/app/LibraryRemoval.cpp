#include "app/LibraryRemoval.h"

#include "app/EquationEdit.h"
#include "support/FileRemoval.h"
#include "support/Paths.h"

static UserMessage LeftAlone(const std::vector<std::string>& names)
{
    std::string list;
    for (const std::string& name : names)
        list += (list.empty() ? "" : ", ") + QuotedName(name);
    const bool one = names.size() == 1;
    return {list + (one ? " names" : " name") + " no file inside the sound folder, so no file was deleted for " +
            (one ? "it." : "them.")};
}

RemovalResult DeleteLibraryEntry(Project& project, int row)
{
    RemovalResult result;
    const std::optional<CSound> entry = project.content.library.at(row);
    if (!entry)
        return result;
    project.content.library.removeAt(row);
    RemoveSoundEverywhere(project.content.equations, entry->path);
    result.changed = true;

    if (const std::optional<std::string> file = SoundFileOf(project.soundFolderPath, *entry)) {
        if (std::optional<std::string> error = RemoveFile(*file))
            result.messages.push_back({std::move(*error)});
    } else {
        result.messages.push_back(LeftAlone({entry->name}));
    }
    return result;
}

RemovalResult EmptyLibrary(Project& project)
{
    RemovalResult result;
    std::vector<std::string> leftAlone;
    for (const CSound& entry : project.content.library) {
        const std::optional<std::string> file = SoundFileOf(project.soundFolderPath, entry);
        if (!file) {
            leftAlone.push_back(entry.name);
            continue;
        }
        if (std::optional<std::string> error = RemoveFile(*file)) {
            result.messages = {{std::move(*error)}};
            return result;
        }
    }
    project.content.library.removeAll();
    for (CSoundList& equation : project.content.equations)
        equation.removeAll();
    result.changed = true;
    if (!leftAlone.empty())
        result.messages.push_back(LeftAlone(leftAlone));
    return result;
}
