// The project's life cycle: New, Open, Save, Save As, Close and Exit. The
// open project is written back without asking whenever it is left; a project
// is only ever replaced by one that was read or written whole, so a failure
// never leaves a half-made project that a later save would write out.

#include "app/Session.h"

#include <QDir>
#include <QFileInfo>

#include "audio/PreviewPlayer.h"
#include "support/Paths.h"
#include "support/ProjectLock.h"

namespace {

constexpr const char* kProjectFilter = "Project Files(*.winproj)|*.winproj||";
constexpr const char* kProjectExtension = "winproj";

UserMessage ErrorMessage(const std::string& text)
{
    return {text, Caption::Product, MessageIcon::Error};
}

}  // namespace

bool Session::SaveOpenProject()
{
    if (!projectOpen_)
        return true;
    if (FileError error = SaveProject(project_)) {
        port_.ShowMessage(ErrorMessage(*error));
        return false;
    }
    savedContent_ = project_.content;
    return true;
}

bool Session::SaveBeforeLeaving()
{
    // A project that cannot be written (its folder gone, the stick pulled)
    // must not keep the user from ever leaving it.
    if (SaveOpenProject())
        return true;
    if (!port_.ConfirmLeaveUnsaved())
        return false;
    savedContent_ = project_.content;  // let go as if saved
    return true;
}

void Session::SaveIfChanged()
{
    if (!projectOpen_ || project_.content == savedContent_)
        return;
    // Taken as saved also when the write fails: the failure is shown once,
    // not after every later command, and the save on leaving tries again.
    savedContent_ = project_.content;
    if (FileError error = SaveProject(project_))
        port_.ShowMessage(ErrorMessage(*error));
}

bool Session::LockFor(const std::string& projectFilePath, std::shared_ptr<ProjectLock>& lock)
{
    if (lock_ && IsSameFile(projectFilePath, project_.projectFilePath)) {
        lock = lock_;
        return true;
    }
    std::unique_ptr<ProjectLock> taken;
    if (std::optional<std::string> refusal = ProjectLock::Take(projectFilePath, taken)) {
        port_.ShowMessage(ErrorMessage(*refusal));
        return false;
    }
    lock = std::move(taken);
    return true;
}

void Session::StopPlaylistPreview()
{
    // Stop holds the window for a moment; only pay that when something runs.
    if (preview_->WorkersRunning() > 0 || preview_->IsPlaying())
        preview_->Stop();
}

void Session::ResetContent(const ProjectContent& content)
{
    project_.content = content;
    currentEquation_ = 0;
    port_.ShowCurrentEquation(currentEquation_);
}

void Session::Adopt(Project project, std::shared_ptr<ProjectLock> lock)
{
    project_.projectFilePath = std::move(project.projectFilePath);
    project_.soundFolderPath = std::move(project.soundFolderPath);
    projectOpen_ = true;
    lock_ = std::move(lock);
    savedContent_ = project.content;
    ResetContent(project.content);
    port_.SetTitle(FileNamePart(project_.projectFilePath) + " - " + kProductCaption);
    EnableBackgroundMusicForMode();
    ShowModeCheck();
    EnableEditing(true);
    RebuildAllViews();
}

void Session::ResetToNoProject()
{
    projectOpen_ = false;
    lock_.reset();
    project_.projectFilePath.clear();
    project_.soundFolderPath.clear();
    // The records stay as they are: the next New or Open sets them.
    project_.content.forEachList([](CSoundList& list) { list.removeAll(); });
    port_.SetTitle(kProductCaption);
    EnableEditing(false);
    for (View view : {View::Library, View::Playlist, View::BackgroundMusic})
        port_.ClearView(view);
    // No figures of a project that is gone.
    port_.ShowFlashUsage({}, {});
    ShowEquationSize();
}

void Session::New()
{
    StopPlaylistPreview();
    if (!SaveBeforeLeaving())
        return;
    const std::optional<std::string> folder =
        port_.ChooseFile({FileChoice::Kind::Save, kProjectFilter, kProjectExtension, {}});
    if (!folder)
        return;
    const std::string fileName = FileNamePart(*folder);
    const std::string projectFile = JoinPath(*folder, fileName);
    // The lock lies in the project folder, which New makes anyway.
    QDir().mkpath(ToQtPath(*folder));
    std::shared_ptr<ProjectLock> lock;
    if (!LockFor(projectFile, lock))
        return;
    // An existing project folder is used as it is, but its project file is
    // only replaced when the user agrees.
    if (QFileInfo::exists(ToQtPath(projectFile)) && !port_.ConfirmReplace(projectFile))
        return;

    Project created;
    if (FileError error =
            CreateNewProject(*folder, fileName, project_.content.options.backgroundMusic, created)) {
        ResetToNoProject();
        port_.ShowMessage(ErrorMessage(*error));
        return;
    }
    Adopt(std::move(created), std::move(lock));
}

void Session::Open()
{
    StopPlaylistPreview();
    if (!SaveBeforeLeaving())
        return;
    const std::optional<std::string> path = port_.ChooseFile({FileChoice::Kind::Open, kProjectFilter, {}, {}});
    if (path)
        OpenChosenFile(*path);
}

void Session::OpenFile(const std::string& path)
{
    StopPlaylistPreview();
    if (SaveBeforeLeaving())
        OpenChosenFile(path);
}

void Session::OpenChosenFile(const std::string& path)
{
    std::shared_ptr<ProjectLock> lock;
    if (!LockFor(path, lock))
        return;
    Project opened;
    if (FileError error = OpenProjectFile(path, opened)) {
        ResetToNoProject();
        port_.ShowMessage(ErrorMessage(*error));
        return;
    }
    Adopt(std::move(opened), std::move(lock));
}

void Session::Save()
{
    SaveOpenProject();
}

void Session::SaveAs()
{
    if (!projectOpen_)
        return;
    const std::optional<std::string> path =
        port_.ChooseFile({FileChoice::Kind::Save, kProjectFilter, kProjectExtension, {}});
    if (!path)
        return;
    // As New does: another project's file is only replaced when the user agrees.
    if (QFileInfo::exists(ToQtPath(*path)) && !port_.ConfirmReplace(*path))
        return;
    if (FileError error = WriteProjectFile(*path, project_.content))
        port_.ShowMessage(ErrorMessage(*error));
}

void Session::Close()
{
    StopPlaylistPreview();
    // A project that cannot be written stays open unless the user lets it go.
    if (!SaveBeforeLeaving())
        return;
    ResetToNoProject();
    port_.ShowMessage({"Close Project"});
}

bool Session::Exit()
{
    StopPlaylistPreview();
    return SaveBeforeLeaving();
}
