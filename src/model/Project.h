#pragma once
// The open project: its content and where it lives on disk, with the file
// operations New, Open and Save are made of.

#include <optional>
#include <string>

#include "model/ProjectContent.h"

// Empty on success, else a message for the user naming the file.
using FileError = std::optional<std::string>;

struct Project {
    ProjectContent content;
    std::string projectFilePath;  // the .winproj file
    std::string soundFolderPath;  // projectFilePath + ".sound", no trailing separator
};

// The sound folder that belongs to a project file.
std::string SoundFolderFor(const std::string& projectFilePath);

// The file of a project entry (library, equations, background music): the
// sound folder joined with the entry's name. Nothing when the name, read from
// a project file and so anything, is not a plain file name: no file is then
// ever opened, converted, played, copied or deleted for the entry.
std::optional<std::string> SoundFileOf(const std::string& soundFolder, const CSound& entry);

// Writes the content through a temporary file in the same folder that is
// renamed over the target, so a failed write leaves the old file intact.
FileError WriteProjectFile(const std::string& path, const ProjectContent& content);

// The largest project file that is read. The largest real project (510
// library sounds, 220 full equations, every path as long as the system
// allows) stays below 130 MiB; anything larger is not a project, and reading
// it would only tie up memory.
inline constexpr uint64_t kMaxProjectFileBytes = 256ull << 20;

// Reads a project file's content exactly as stored. Only a regular file of at
// most kMaxProjectFileBytes is read. On failure `out` is
// untouched.
FileError ReadProjectFile(const std::string& path, ProjectContent& out);

// Opens a project file as the Open command does. Every record's path is rebuilt from the sound folder
// beside the file and the record's name, so a moved project finds its sounds.
// On failure `out` is untouched.
FileError OpenProjectFile(const std::string& path, Project& out);

// What New does with the folder P and the file name F chosen in its dialog:
// creates P and the sound folder P/F.sound (existing folders are kept) and
// writes an empty project to P/F. On failure `out` is untouched.
FileError CreateNewProject(const std::string& folder, const std::string& fileName, int32_t previousBackgroundMusic,
                           Project& out);

// Writes the project to its own file.
inline FileError SaveProject(const Project& project)
{
    return WriteProjectFile(project.projectFilePath, project.content);
}
