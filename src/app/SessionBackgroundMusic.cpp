// The background music's commands: Load (a converted copy in the sound
// folder), Empty and Play.

#include "app/Session.h"

#include <algorithm>

#include "app/SoundIntake.h"
#include "audio/AudioConvert.h"
#include "audio/AudioInfo.h"
#include "audio/PreviewPlayer.h"
#include "support/Paths.h"

namespace {

// The background music is never made at a higher rate than this.
constexpr int kHighestMusicRate = 8000;

}  // namespace

void Session::LoadBackgroundMusic()
{
    CSoundList& music = project_.content.backgroundMusic;
    if (!projectOpen_ || !music.empty())
        return;
    const std::optional<std::string> source = port_.ChooseFile({FileChoice::Kind::Open, kSoundFileFilter, "", ""});
    if (!source)
        return;
    const std::string name = FileNamePart(*source);
    const size_t dot = name.rfind('.');
    const bool wav = dot != std::string::npos && name.compare(dot + 1, std::string::npos, "wav") == 0;
    // Everything is written as a WAV; other files keep their name and get
    // ".wav" added (song.mp3 -> song.mp3.wav).
    const std::string entryName = wav ? name : name + ".wav";

    // Either name taken by the library would mean writing over one of its
    // sounds.
    const CSoundList& library = project_.content.library;
    if (NameLoaded(library, name) || NameLoaded(library, entryName)) {
        port_.ShowMessage({"Sound file loaded already!"});
        return;
    }
    AudioInfo info;
    if (std::optional<std::string> error = ProbeAudioFile(*source, info)) {
        port_.ShowMessage({std::move(*error)});
        return;
    }
    const int sourceRate = TruncateToInt32(info.sampleRate);
    const std::optional<int> rate = port_.ChooseSamplingRate(std::min(sourceRate, kHighestMusicRate));
    if (!rate)
        return;

    const std::string destination = JoinPath(project_.soundFolderPath, entryName);
    if (destination == *source) {
        port_.ShowMessage({"Cannot save to the source file!"});
        return;
    }
    if (std::optional<std::string> error = ConvertSound(*source, destination, *rate)) {
        port_.ShowMessage({std::move(*error), Caption::Product, MessageIcon::Error});
        return;
    }
    music.append(MakeSoundRecord(destination, entryName));
    port_.RebuildView(View::BackgroundMusic);
}

void Session::EmptyBackgroundMusic()
{
    // The file stays in the sound folder.
    project_.content.backgroundMusic.removeAll();
    port_.RebuildView(View::BackgroundMusic);
}

void Session::PlayBackgroundMusic()
{
    const std::optional<CSound> entry =
        project_.content.backgroundMusic.at(port_.SelectedRow(View::BackgroundMusic));
    if (!entry) {
        port_.ShowMessage({"Pls select a sound to play"});
        return;
    }
    preview_->PlayFile(Playable(*entry).path);
}
