#pragma once
// What the commands that take a sound into a project (the library's Load and
// the background music's Load) share.

#include <string>

class CSoundList;

inline constexpr const char* kSoundFileFilter =
    "Sound Files(*.wav,*.mp3,*.wma)|*.wav;*.mp3;*.wma|WAV Files(*.wav)|*.wav|MP3 Files(*.mp3)|*.mp3|"
    "WMA Files(*.wma)|*.wma||";

// Whether a library entry has exactly this name (case counts): no two
// entries share a name, nor the file it names in the sound folder.
bool NameLoaded(const CSoundList& library, const std::string& name);
