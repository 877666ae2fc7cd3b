// Taking over a project that was read from its file elsewhere.

#include "app/Session.h"

#include "support/Paths.h"

void Session::Adopt(Project project)
{
    project_ = std::move(project);
    projectOpen_ = true;
    currentEquation_ = 0;
    port_.SetTitle(FileNamePart(project_.projectFilePath) + " - " + kProductCaption);
    port_.ShowCurrentEquation(currentEquation_);
    EnableBackgroundMusicForMode();
    ShowModeCheck();
    EnableEditing(true);
    RebuildAllViews();
}
