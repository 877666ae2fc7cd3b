#pragma once
// One writer per project: a lock file beside the project file, held while a
// window has the project open or a command writes it or its BIN. A lock left
// by a program that crashed is taken over.

#include <memory>
#include <optional>
#include <string>

class QLockFile;

class ProjectLock {
public:
    ~ProjectLock();
    ProjectLock(const ProjectLock&) = delete;
    ProjectLock& operator=(const ProjectLock&) = delete;

    // Takes the lock of the project file `projectFilePath`, waiting a short
    // while for another holder to let go. On refusal `lock` stays empty and
    // the message says who holds it. A folder where no lock file can be made
    // (read-only media) is not locked: nobody can write there either.
    static std::optional<std::string> Take(const std::string& projectFilePath, std::unique_ptr<ProjectLock>& lock);

    // The lock file of a project file.
    static std::string LockFilePath(const std::string& projectFilePath);

private:
    explicit ProjectLock(std::unique_ptr<QLockFile> file);
    std::unique_ptr<QLockFile> file_;
};
