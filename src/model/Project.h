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

// Writes the content through a temporary file in the same folder that is
// renamed over the target, so a failed write leaves the old file intact.
FileError WriteProjectFile(const std::string& path, const ProjectContent& content);

// Reads a project file's content exactly as stored. On failure `out` is
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
