// kr615b say: speaks text into prepared prompt WAVs, offline.

#include <iostream>

#include "audio/PromptList.h"
#include "audio/PromptPreparation.h"
#include "audio/SpeechSynthesis.h"
#include "cli/Command.h"
#include "cli/PromptArguments.h"
#include "support/Paths.h"
#include "support/RegularFile.h"
#include "support/SafeWrite.h"

#include <QByteArray>
#include <QDir>

static int RunSay(const std::vector<std::string>& args);

static const CommandRegistration registration({
    "say",
    "TEXT OUT.wav --rate RATE [--voice NAME]\n"
    "       kr615b say --list FILE --out DIR --rate RATE [--voice NAME]\n"
    "       kr615b say --voices",
    "speak text into prompt WAVs (offline speech synthesis)",
    "Speaks TEXT (UTF-8) with the speech synthesiser and prepares the sound\n"
    "as `kr615b prepare` does with its defaults: mono 16-bit at RATE Hz (4000,\n"
    "6000, ..., 22000), silence trimmed, loudness -16 LUFS, peaks at most\n"
    "-1 dBFS.\n\n"
    "  --rate RATE   the output's sampling rate (required)\n"
    "  --voice NAME  a voice's name or language (en, de, fr, zh, ...);\n"
    "                default en\n"
    "  --list FILE   speak every prompt of FILE: one a line, NAME, a tab,\n"
    "                then the text; blank lines are skipped\n"
    "  --out DIR     where --list writes DIR/NAME.wav (made when missing)\n"
    "  --voices      list the voices: their languages, a tab, their name\n"
    "  --            ends the options: a TEXT after it may start with -\n\n"
    "A list with a malformed line, a name that is not a plain file name or a\n"
    "name used twice is refused with its line number, and nothing is\n"
    "written; so is every prompt when one of them cannot be spoken.\n",
    RunSay,
});

namespace {

int ListVoices()
{
    std::string error;
    const std::vector<SpeechVoice> voices = ListSpeechVoices(&error);
    if (!error.empty())
        return Failure("say", error);
    for (const SpeechVoice& v : voices) {
        for (size_t i = 0; i < v.languages.size(); ++i)
            std::cout << (i ? " " : "") << v.languages[i];
        std::cout << "\t" << v.name << "\n";
    }
    return kExitOk;
}

std::optional<std::string> SpeakPrompt(const std::string& text, const PromptArguments& parsed, PcmAudio& out)
{
    PcmAudio speech;
    if (auto error = Speak(text, parsed.voiceGiven ? parsed.voice : kDefaultVoice, speech))
        return error;
    return PreparePcm(speech, parsed.prepare, out);
}

std::optional<std::string> WritePrompt(const std::string& path, const PcmAudio& pcm)
{
    const std::vector<uint8_t> wav = PreparedWavBytes(pcm);
    return WriteFileSafely(path, wav.data(), wav.size());
}

int SayList(const PromptArguments& parsed)
{
    QByteArray content;
    if (auto error = ReadRegularFile(parsed.listFile, content))
        return Failure("say", *error);
    std::vector<PromptLine> prompts;
    if (auto error = ParsePromptList(content.toStdString(), prompts))
        return Failure("say", parsed.listFile + ", " + *error);
    // Every prompt is made before the first file is written, so a prompt
    // that fails leaves the folder as it was.
    std::vector<PcmAudio> sounds(prompts.size());
    for (size_t i = 0; i < prompts.size(); ++i) {
        if (auto error = SpeakPrompt(prompts[i].text, parsed, sounds[i]))
            return Failure("say", parsed.listFile + ", line " + std::to_string(prompts[i].lineNumber) + ": " + *error);
    }
    if (!QDir().mkpath(ToQtPath(parsed.outFolder)))
        return Failure("say", "Cannot make the folder " + parsed.outFolder);
    for (size_t i = 0; i < prompts.size(); ++i) {
        const std::string path = PromptFilePath(parsed.outFolder, prompts[i].name);
        if (auto error = WritePrompt(path, sounds[i]))
            return Failure("say", *error);
        std::cout << "Wrote " << path << "\n";
    }
    return kExitOk;
}

}  // namespace

static int RunSay(const std::vector<std::string>& args)
{
    PromptArguments parsed;
    if (auto status = ParsePromptArguments("say", args, kVoiceOptions, parsed))
        return *status;
    if (parsed.listVoices) {
        if (args.size() != 1)
            return UsageError("say", "--voices takes no other argument");
        return ListVoices();
    }
    if (!parsed.rateGiven)
        return UsageError("say", "--rate is required");
    if (parsed.voiceGiven && !IsSpeechVoice(parsed.voice))
        return UsageError("say", "there is no voice '" + parsed.voice + "' (see kr615b say --voices)");
    const bool list = !parsed.listFile.empty() || !parsed.outFolder.empty();
    if (list) {
        if (parsed.listFile.empty() || parsed.outFolder.empty() || !parsed.operands.empty())
            return UsageError("say", "--list FILE and --out DIR go together, without TEXT or OUT.wav");
        return SayList(parsed);
    }
    if (parsed.operands.size() != 2)
        return UsageError("say", "expected a text and an output file");
    PcmAudio pcm;
    if (auto error = SpeakPrompt(parsed.operands[0], parsed, pcm))
        return Failure("say", *error);
    if (auto error = WritePrompt(parsed.operands[1], pcm))
        return Failure("say", *error);
    std::cout << "Wrote " << parsed.operands[1] << "\n";
    return kExitOk;
}
