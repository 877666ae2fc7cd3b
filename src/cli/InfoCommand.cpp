// kr615b info: prints the properties of a sound file as the Load command
// reads them.

#include <iostream>

#include "audio/AudioInfo.h"
#include "cli/Command.h"
#include "cli/JsonWriter.h"

static int RunInfo(const std::vector<std::string>& args);

static const CommandRegistration registration({
    "info",
    "[--json] SOUNDFILE",
    "print the sampling rate, bits, channels and length of a sound file",
    "Reads a sound file (WAV, MP3, WMA or another format FFmpeg reads) and\n"
    "prints its sampling rate, bits per sample, channels, duration and bit\n"
    "rate, and whether its rate is one a project accepts. --json prints one\n"
    "object: {\"sampleRate\": Hz, \"bits\": int, \"channels\": int,\n"
    "\"duration\": seconds, \"aux\": bit rate in bit/s}. A file that cannot be\n"
    "read as sound is an error (exit status 1).\n",
    RunInfo,
});

static int RunInfo(const std::vector<std::string>& args)
{
    bool json = false;
    std::string path;
    if (auto usage = ParseJsonFileArguments("info", args, "sound file", json, path))
        return *usage;

    AudioInfo info;
    if (auto error = ProbeAudioFile(path, info))
        return Failure("info", *error);
    if (json) {
        std::cout << "{\"sampleRate\":" << JsonNumber(info.sampleRate) << ",\"bits\":" << info.bits
                  << ",\"channels\":" << info.channels << ",\"duration\":" << JsonNumber(info.duration)
                  << ",\"aux\":" << JsonNumber(info.aux) << "}\n";
        return kExitOk;
    }
    std::cout << "Sampling rate: " << JsonNumber(info.sampleRate) << " Hz"
              << (IsAcceptedRate(info.sampleRate) ? "" : " (not accepted; steps down to " +
                                                             std::to_string(StepDownSampleRate(info.sampleRate)) +
                                                             " Hz)")
              << "\nBits:          " << info.bits << "\nChannels:      " << info.channels << " ("
              << (info.channels == 1 ? "MONO" : "STEREO") << ")\nDuration:      " << JsonNumber(info.duration)
              << " s\nBit rate:      " << JsonNumber(info.aux) << " bit/s\n";
    return kExitOk;
}
