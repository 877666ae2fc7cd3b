// The session's state, the enabling rule, the view rebuilds and the window
// commands that belong to no other area.

#include "app/Session.h"

#include <algorithm>

#include "audio/PreviewPlayer.h"
#include "compiler/FlashUsage.h"
#include "model/EquationSize.h"
#include "support/Paths.h"

#include <QFile>

Session::Session(WindowPort& port, std::string programFolder)
    : port_(port),
      programFolder_(std::move(programFolder)),
      flashSizeIndex_(kDefaultFlashSizeIndex),
      preview_(std::make_unique<PreviewPlayer>(static_cast<PreviewHost&>(*this), programFolder_))
{
}

Session::~Session()
{
    preview_->Shutdown();
    if (!promptListeningFile_.empty())
        QFile::remove(ToQtPath(promptListeningFile_));
}

bool Session::commandsEnabled(View view) const
{
    switch (view) {
    case View::Library:
        return libraryCommands_;
    case View::Playlist:
        return playlistCommands_;
    case View::BackgroundMusic:
        return backgroundMusicCommands_;
    }
    return false;
}

void Session::EnableEditing(bool on)
{
    const bool enabled = on && projectOpen_;
    libraryCommands_ = enabled;
    playlistCommands_ = enabled;
    if (!enabled)
        backgroundMusicCommands_ = false;
    else if (project_.content.options.backgroundMusicAvailable())
        backgroundMusicCommands_ = true;
    port_.ShowEditingEnabled(enabled);
}

int Session::flashMegabits() const
{
    // SelectFlashSize takes only indexes of the list.
    return *FlashMegabitsAt(flashSizeIndex_);
}

void Session::UpdateFlashUsage()
{
    const FlashUsageTexts texts = ComputeFlashUsage(project_.content.library, flashMegabits());
    port_.ShowFlashUsage(texts.total, texts.percent);
}

void Session::SetBackgroundMusicViewEnabled(bool on)
{
    backgroundMusicViewEnabled_ = on;
    port_.EnableBackgroundMusicView(on);
}

void Session::EnableBackgroundMusicForMode()
{
    SetBackgroundMusicViewEnabled(project_.content.options.backgroundMusicAvailable());
}

void Session::RebuildLibraryView()
{
    port_.RebuildView(View::Library);
    const ProjectContent& content = project_.content;
    if (content.options.backgroundMusicAvailable()) {
        int highestRate = 0;
        for (const CSound& sound : content.library)
            highestRate = std::max(highestRate, sound.sampleRate);
        SetBackgroundMusicViewEnabled(highestRate <= 8000 || !content.backgroundMusic.empty());
    }
    UpdateFlashUsage();
}

void Session::RebuildPlaylistView()
{
    port_.RebuildView(View::Playlist);
    ShowEquationSize();
}

void Session::ShowEquationSize()
{
    if (!projectOpen_) {
        port_.ShowEquationSize({});
        return;
    }
    port_.ShowEquationSize("Size " + std::to_string(EquationSize(currentEquationList())) + "/" +
                           std::to_string(kEquationSizeLimit));
}

void Session::RebuildAllViews()
{
    RebuildLibraryView();
    RebuildPlaylistView();
    port_.RebuildView(View::BackgroundMusic);
}

void Session::ShowModeCheck()
{
    // Extended mode has no Mode menu item: its marks stay as they were.
    if (project_.content.options.controlMode != kExtended)
        port_.SetModeCheck(project_.content.options.controlMode);
}

void Session::NextEquation()
{
    const int i = currentEquation_;
    if (i < kEquationCount - 1 && !project_.content.equations[i].empty()) {
        currentEquation_ = i + 1;
        port_.ShowCurrentEquation(currentEquation_);
        RebuildPlaylistView();
    }
}

void Session::PreviousEquation()
{
    if (currentEquation_ > 0) {
        --currentEquation_;
        port_.ShowCurrentEquation(currentEquation_);
    }
    RebuildPlaylistView();
}

void Session::SelectEquation(int number)
{
    if (number < 0 || number >= kEquationCount)
        return;
    currentEquation_ = number;
    RebuildPlaylistView();
}

void Session::SelectFlashSize(int index)
{
    if (!FlashMegabitsAt(index))
        return;
    flashSizeIndex_ = index;
    UpdateFlashUsage();
}

void Session::Tick()
{
    preview_->PlaybackTick();
}

bool Session::previewStoppable() const
{
    return preview_->CanStop();
}

void Session::ShowPreviewProgress(int upper, int position)
{
    WindowPort* port = &port_;
    port_.RunOnWindowThread([port, upper, position] { port->ShowProgress(upper, position); });
}

void Session::ShowPreviewMessage(const UserMessage& message)
{
    WindowPort* port = &port_;
    port_.RunOnWindowThread([port, message] { port->ShowMessage(message); });
}

void Session::EnablePreviewEditing(bool on)
{
    EnableEditing(on);
}
