// The sound library's commands: Load, Delete, Empty, Play and Stop.

#include "app/Session.h"

#include "app/LibraryRemoval.h"
#include "app/LoadSelection.h"
#include "app/SoundIntake.h"
#include "audio/AudioInfo.h"
#include "audio/PreviewPlayer.h"
#include "support/FileCopier.h"
#include "support/Paths.h"

namespace {

constexpr const char* kLibraryFull = "Sound Library full!";

// A ".wav" whose content the voice converter cannot read (MP3 data under a
// WAV name, floating-point samples) would pass the rate check and only fail
// at the compile: it is refused at once, by name.
std::optional<UserMessage> NotPcmWav(const std::string& name, const AudioInfo& info)
{
    if (info.pcmWav)
        return std::nullopt;
    return UserMessage{name + " is not a PCM WAV file. Convert it with \"Convert MP3/WMA to WAV\" first.",
                       Caption::ApplicationName, MessageIcon::Warning};
}

// Why `file` may not join the library, or nothing when it may. Only WAV files
// at one of the chip's rates are taken; other sounds are converted first.
std::optional<UserMessage> LoadRefusal(const CSoundList& library, const LoadFile& file)
{
    if (NameLoaded(library, file.name))
        return UserMessage{"Sound file loaded already!"};
    const UserMessage wrongRate{
        "Incompatible sampling rate, pls change it in main menu before loading into the project!",
        Caption::ApplicationName};
    if (file.extension != "wav")
        return wrongRate;
    AudioInfo info;
    if (std::optional<std::string> error = ProbeAudioFile(file.sourcePath, info))
        return UserMessage{std::move(*error), Caption::ApplicationName};
    if (std::optional<UserMessage> notPcm = NotPcmWav(file.name, info))
        return notPcm;
    if (!IsAcceptedRate(info.sampleRate))
        return wrongRate;
    return std::nullopt;
}

}  // namespace

void Session::LoadLibrarySounds()
{
    if (!projectOpen_)
        return;
    CSoundList& library = project_.content.library;
    if (library.count() >= kMaxLibrarySounds) {
        port_.ShowMessage({kLibraryFull});
        return;
    }
    if (const std::optional<std::vector<std::string>> chosen = port_.ChooseFiles(kSoundFileFilter))
        LoadLibraryFiles(*chosen);
}

void Session::LoadLibraryFiles(const std::vector<std::string>& files)
{
    CSoundList& library = project_.content.library;
    if (!SelectionFitsLoad(files)) {
        port_.ShowMessage({"Try add fewer files!"});
        return;
    }
    for (const LoadFile& file : LoadFileTable(files)) {
        if (std::optional<UserMessage> refusal = LoadRefusal(library, file)) {
            port_.ShowMessage(*refusal);
            return;
        }
        CFileCopier copier;
        if (!copier.Copy(file.sourcePath, project_.soundFolderPath)) {
            port_.ShowMessage({copier.errorText, Caption::Error, MessageIcon::Error});
            return;
        }
        // The copy stays in the sound folder; a later load of the same name
        // goes beside it under a "Copy of" name.
        if (library.count() >= kMaxLibrarySounds) {
            port_.ShowMessage({kLibraryFull});
            return;
        }
        // The entry describes the file actually written, which is not the
        // chosen name when the folder held that name already.
        const std::string& written = copier.lastFileWritten;
        library.append(MakeSoundRecord(written, FileNamePart(written)));
        RebuildLibraryView();
    }
}

void Session::DeleteLibrarySound()
{
    if (!port_.Confirm())
        return;
    const int row = port_.SelectedRow(View::Library);
    if (!project_.content.library.at(row))
        return;
    port_.RemoveRow(View::Library, row);
    const RemovalResult result = DeleteLibraryEntry(project_, row);
    RebuildLibraryView();
    RebuildPlaylistView();
    for (const UserMessage& message : result.messages)
        port_.ShowMessage(message);
}

void Session::EmptyLibrary()
{
    if (!port_.Confirm())
        return;
    const RemovalResult result = ::EmptyLibrary(project_);
    if (result.changed) {
        port_.ClearView(View::Library);
        port_.ClearView(View::Playlist);
        UpdateFlashUsage();
    }
    for (const UserMessage& message : result.messages)
        port_.ShowMessage(message);
    if (result.changed)
        port_.ShowMessage({"Empty sound library"});
}

CSound Session::Playable(CSound entry) const
{
    entry.path = SoundFileOf(project_.soundFolderPath, entry).value_or(std::string());
    return entry;
}

std::optional<CSound> Session::Playable(const std::optional<CSound>& entry) const
{
    if (!entry)
        return std::nullopt;
    return Playable(*entry);
}

void Session::PlayLibrarySound()
{
    preview_->PlayLibrary(Playable(project_.content.library.at(port_.SelectedRow(View::Library))));
}

void Session::PlayLibrarySoundAsChip()
{
    preview_->PlayLibraryAsChip(Playable(project_.content.library.at(port_.SelectedRow(View::Library))));
}

void Session::StopPreview()
{
    preview_->Stop();
}
