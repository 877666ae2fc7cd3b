// The project's life cycle: New, Open, Save, Save As, Close and Exit. The
// open project is written back without asking whenever it is left; a project
// is only ever replaced by one that was read or written whole, so a failure
// never leaves a half-made project that a later save would write out.

#include "app/Session.h"

#include <QFileInfo>

#include "audio/PreviewPlayer.h"
#include "support/Paths.h"

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

void Session::Adopt(Project project)
{
    project_.projectFilePath = std::move(project.projectFilePath);
    project_.soundFolderPath = std::move(project.soundFolderPath);
    projectOpen_ = true;
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
    project_.projectFilePath.clear();
    project_.soundFolderPath.clear();
    // The records stay as they are: the next New or Open sets them.
    project_.content.forEachList([](CSoundList& list) { list.removeAll(); });
    port_.SetTitle(kProductCaption);
    EnableEditing(false);
    for (View view : {View::Library, View::Playlist, View::BackgroundMusic})
        port_.ClearView(view);
}

void Session::New()
{
    StopPlaylistPreview();
    if (!SaveOpenProject())
        return;
    const std::optional<std::string> folder =
        port_.ChooseFile({FileChoice::Kind::Save, kProjectFilter, kProjectExtension, {}});
    if (!folder)
        return;
    const std::string fileName = FileNamePart(*folder);
    const std::string projectFile = JoinPath(*folder, fileName);
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
    Adopt(std::move(created));
}

void Session::Open()
{
    StopPlaylistPreview();
    if (!SaveOpenProject())
        return;
    const std::optional<std::string> path = port_.ChooseFile({FileChoice::Kind::Open, kProjectFilter, {}, {}});
    if (path)
        OpenChosenFile(*path);
}

void Session::OpenFile(const std::string& path)
{
    StopPlaylistPreview();
    if (SaveOpenProject())
        OpenChosenFile(path);
}

void Session::OpenChosenFile(const std::string& path)
{
    Project opened;
    if (FileError error = OpenProjectFile(path, opened)) {
        ResetToNoProject();
        port_.ShowMessage(ErrorMessage(*error));
        return;
    }
    Adopt(std::move(opened));
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
    if (FileError error = WriteProjectFile(*path, project_.content))
        port_.ShowMessage(ErrorMessage(*error));
}

void Session::Close()
{
    StopPlaylistPreview();
    // A project that cannot be written stays open, so nothing is lost.
    if (!SaveOpenProject())
        return;
    ResetToNoProject();
    port_.ShowMessage({"Close Project"});
}

bool Session::Exit()
{
    StopPlaylistPreview();
    return SaveOpenProject();
}
