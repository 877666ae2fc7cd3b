// kr615b prepare: makes a voice prompt from any sound file: mono 16-bit at
// a rate Load accepts, silence trimmed, loudness levelled.

#include <iostream>

#include "audio/PromptPreparation.h"
#include "cli/Command.h"
#include "cli/PromptArguments.h"

static int RunPrepare(const std::vector<std::string>& args);

static const CommandRegistration registration({
    "prepare",
    "IN OUT.wav --rate RATE [--no-trim] [--no-normalize] [--loudness LUFS] [--margin MS]",
    "trim and level any sound file into a prompt WAV for the library",
    "Reads IN (WAV of any format, MP3, WMA, FLAC, OGG, M4A or anything else\n"
    "FFmpeg reads) and writes OUT.wav: one channel of 16-bit samples at RATE\n"
    "Hz, one of 4000, 6000, ..., 22000 (the rates Load accepts).\n\n"
    "  --rate RATE      the output's sampling rate (required)\n"
    "  --no-trim        keep leading and trailing silence\n"
    "  --no-normalize   keep the sound's own loudness\n"
    "  --loudness LUFS  integrated loudness (EBU R128) to level to, from -40\n"
    "                   to -6; default -16\n"
    "  --margin MS      silence kept before the first and after the last\n"
    "                   sound, 0 to 5000 ms; default 100\n\n"
    "Silence is sound whose mean level over 20 ms stays below -50 dBFS.\n"
    "Peaks are limited to -1 dBFS, also with --no-normalize, so nothing\n"
    "clips. A file that is not sound, or only silence, is refused (exit\n"
    "status 1) and nothing is written; OUT.wav is replaced only once the\n"
    "prompt is ready.\n",
    RunPrepare,
});

static int RunPrepare(const std::vector<std::string>& args)
{
    PromptArguments parsed;
    if (auto status = ParsePromptArguments("prepare", args, kPrepareOptions, parsed))
        return *status;
    if (parsed.operands.size() != 2)
        return UsageError("prepare", "expected an input file and an output file");
    if (!parsed.rateGiven)
        return UsageError("prepare", "--rate is required");
    if (auto error = PrepareSound(parsed.operands[0], parsed.operands[1], parsed.prepare))
        return Failure("prepare", *error);
    std::cout << "Prepared " << parsed.operands[1] << "\n";
    return kExitOk;
}
