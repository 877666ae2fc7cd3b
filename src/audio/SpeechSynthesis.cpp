#include "audio/SpeechSynthesis.h"

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

bool SelectVoice(const std::string& voice)
{
    if (espeak_SetVoiceByName(voice.c_str()) == EE_OK)
        return true;
    espeak_VOICE wanted;
    std::memset(&wanted, 0, sizeof wanted);
    wanted.languages = voice.c_str();
    return espeak_SetVoiceByProperties(&wanted) == EE_OK;
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
    for (const espeak_VOICE** v = espeak_ListVoices(nullptr); v && *v; ++v) {
        // languages: a priority byte, then a zero-terminated name, repeated.
        const char* languages = (*v)->languages;
        voices.push_back({languages && *languages ? languages + 1 : "", (*v)->name ? (*v)->name : ""});
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
