#include "audio/SpeechSynthesis.h"

#include <algorithm>
#include <cstring>
#include <mutex>

#include <espeak-ng/speak_lib.h>

namespace {

std::mutex synthesiser;
int synthesiserRate = 0;  // 0 until started; negative when it cannot start
// Where the callback appends, while one Speak holds the lock.
std::vector<int16_t>* speechTarget = nullptr;

int CollectSpeech(short* samples, int count, espeak_EVENT*)
{
    if (samples && count > 0 && speechTarget)
        speechTarget->insert(speechTarget->end(), samples, samples + count);
    return 0;
}

// Starts the synthesiser once; the lock must be held.
std::optional<std::string> Start()
{
    if (synthesiserRate == 0) {
        synthesiserRate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, 0);
        if (synthesiserRate > 0)
            espeak_SetSynthCallback(CollectSpeech);
        else
            synthesiserRate = -1;
    }
    if (synthesiserRate < 0)
        return std::string("Cannot start the speech synthesiser: its voice data is not installed");
    return std::nullopt;
}

// The languages of a voice: a priority byte, then a zero-terminated name,
// repeated until a zero priority.
std::vector<std::string> Languages(const espeak_VOICE& voice)
{
    std::vector<std::string> languages;
    for (const char* p = voice.languages; p && *p; p += std::strlen(p + 1) + 2)
        languages.emplace_back(p + 1);
    return languages;
}

// Selects an installed voice by its name, its file or one of its
// languages; the lock must be held. The synthesiser itself would fall back
// to some voice for a name it does not know.
bool SelectVoice(const std::string& wanted)
{
    for (const espeak_VOICE** v = espeak_ListVoices(nullptr); v && *v; ++v) {
        const std::vector<std::string> languages = Languages(**v);
        if (std::find(languages.begin(), languages.end(), wanted) != languages.end()) {
            espeak_VOICE properties;
            std::memset(&properties, 0, sizeof properties);
            properties.languages = wanted.c_str();
            return espeak_SetVoiceByProperties(&properties) == EE_OK;
        }
        if (((*v)->name && wanted == (*v)->name) || ((*v)->identifier && wanted == (*v)->identifier))
            return espeak_SetVoiceByName((*v)->name) == EE_OK;
    }
    return false;
}

}  // namespace

std::vector<SpeechVoice> ListSpeechVoices(std::string* error)
{
    const std::lock_guard lock(synthesiser);
    std::vector<SpeechVoice> voices;
    if (auto failure = Start()) {
        if (error)
            *error = *failure;
        return voices;
    }
    const espeak_VOICE* current = SelectVoice(kDefaultVoice) ? espeak_GetCurrentVoice() : nullptr;
    const std::string defaultName = current && current->name ? current->name : "";
    for (const espeak_VOICE** v = espeak_ListVoices(nullptr); v && *v; ++v) {
        const std::string name = (*v)->name ? (*v)->name : "";
        voices.push_back({Languages(**v), name, !name.empty() && name == defaultName});
    }
    return voices;
}

bool IsSpeechVoice(const std::string& voice)
{
    const std::lock_guard lock(synthesiser);
    return !Start() && SelectVoice(voice);
}

std::optional<std::string> Speak(const std::string& text, const std::string& voice, PcmAudio& out)
{
    const std::lock_guard lock(synthesiser);
    if (auto failure = Start())
        return failure;
    if (!SelectVoice(voice))
        return "There is no voice '" + voice + "'";
    std::vector<int16_t> samples;
    speechTarget = &samples;
    const espeak_ERROR result =
        espeak_Synth(text.c_str(), text.size() + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr, nullptr);
    speechTarget = nullptr;
    if (result != EE_OK)
        return "Cannot speak '" + text + "'";
    if (samples.empty())
        return "Speaking '" + text + "' gave no sound";
    out.sampleRate = synthesiserRate;
    out.channels = 1;
    out.samples = std::move(samples);
    return std::nullopt;
}
