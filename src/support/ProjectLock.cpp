#include "support/ProjectLock.h"

#include <QLockFile>

#include "support/Paths.h"

namespace {
// Long enough for a command that saves the project to finish, short enough
// that a refused window or command answers at once.
constexpr int kWaitMs = 3000;
}  // namespace

ProjectLock::ProjectLock(std::unique_ptr<QLockFile> file) : file_(std::move(file)) {}

ProjectLock::~ProjectLock() = default;

std::string ProjectLock::LockFilePath(const std::string& projectFilePath)
{
    return projectFilePath + ".lock";
}

std::optional<std::string> ProjectLock::Take(const std::string& projectFilePath, std::unique_ptr<ProjectLock>& lock)
{
    lock.reset();
    auto file = std::make_unique<QLockFile>(ToQtPath(LockFilePath(projectFilePath)));
    // A window holds its lock for hours: only a holder that is gone (the
    // process of the lock file no longer runs) makes a lock stale.
    file->setStaleLockTime(0);
    if (file->tryLock(kWaitMs)) {
        lock.reset(new ProjectLock(std::move(file)));
        return std::nullopt;
    }
    if (file->error() != QLockFile::LockFailedError)
        return std::nullopt;
    qint64 pid = 0;
    QString host;
    QString application;
    std::string holder;
    if (file->getLockInfo(&pid, &host, &application))
        holder = " (process " + std::to_string(pid) + ")";
    return projectFilePath + " is open in another window" + holder +
           ". Close it there, or wait until that command has finished, then try again.";
}
