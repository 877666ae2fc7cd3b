#pragma once
// Speech made offline from text, for voice prompts: libespeak-ng speaks the
// text into memory, nothing reaches the sound card.

#include <optional>
#include <string>
#include <vector>

#include "audio/PcmAudio.h"

inline constexpr const char* kDefaultVoice = "en";

struct SpeechVoice {
    std::vector<std::string> languages;  // such as "en-gb" and "en", or "cmn" and "zh"
    std::string name;                    // such as "English (Great Britain)"
    bool isDefault = false;              // the voice kDefaultVoice selects
};

// The voices installed, in the synthesiser's order. Empty with a message in
// `error` when the synthesiser cannot start.
std::vector<SpeechVoice> ListSpeechVoices(std::string* error);

// Speaks UTF-8 `text` with `voice` (a language such as "de", or a voice's
// name) into `out` (mono, the synthesiser's own rate). Empty on success,
// else a message. Calls from several threads take turns: the synthesiser
// has one state for the whole program.
std::optional<std::string> Speak(const std::string& text, const std::string& voice, PcmAudio& out);

// Whether `voice` names an installed voice.
bool IsSpeechVoice(const std::string& voice);

