#include "model/Project.h"

#include <QDir>
#include <QFile>

#include "model/Archive.h"
#include "support/Paths.h"
#include "support/RegularFile.h"
#include "support/SafeWrite.h"

std::string SoundFolderFor(const std::string& projectFilePath)
{
    return projectFilePath + ".sound";
}

std::optional<std::string> SoundFileOf(const std::string& soundFolder, const CSound& entry)
{
    if (!IsPlainFileName(entry.name))
        return std::nullopt;
    return JoinPath(soundFolder, entry.name);
}

FileError WriteProjectFile(const std::string& path, const ProjectContent& content)
{
    const std::vector<uint8_t> bytes = WriteProjectBytes(content);
    return WriteFileSafely(path, bytes.data(), bytes.size());
}

FileError ReadProjectFile(const std::string& path, ProjectContent& out)
{
    QByteArray bytes;
    if (FileError error = ReadRegularFile(path, bytes, kMaxProjectFileBytes))
        return error;

    try {
        out = ReadProjectBytes(reinterpret_cast<const uint8_t*>(bytes.constData()), static_cast<size_t>(bytes.size()));
    } catch (const ArchiveError& e) {
        return path + " is not a readable project file: " + e.what() + ".";
    }
    return std::nullopt;
}

FileError OpenProjectFile(const std::string& path, Project& out)
{
    Project project;
    if (FileError error = ReadProjectFile(path, project.content))
        return error;
    project.projectFilePath = path;
    project.soundFolderPath = SoundFolderFor(path);
    project.content.forEachList([&](CSoundList& list) {
        for (CSound& entry : list)
            entry.path = JoinPath(project.soundFolderPath, entry.name);
    });
    out = std::move(project);
    return std::nullopt;
}

FileError CreateNewProject(const std::string& folder, const std::string& fileName, int32_t previousBackgroundMusic,
                           Project& out)
{
    const std::string projectFile = JoinPath(folder, fileName);
    const std::string soundFolder = SoundFolderFor(projectFile);
    // A folder that cannot be made shows up as a failed write just below.
    QDir().mkpath(ToQtPath(folder));
    QDir().mkpath(ToQtPath(soundFolder));

    Project project;
    project.content = ProjectContent::NewProject(previousBackgroundMusic);
    project.projectFilePath = projectFile;
    project.soundFolderPath = soundFolder;
    if (FileError error = WriteProjectFile(projectFile, project.content))
        return error;
    out = std::move(project);
    return std::nullopt;
}
