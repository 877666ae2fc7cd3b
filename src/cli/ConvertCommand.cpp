// kr615b convert: converts a sound file to a mono 16-bit WAV, as the
// "Convert MP3/WMA to WAV" command does.

#include <charconv>
#include <iostream>

#include "audio/AudioConvert.h"
#include "audio/AudioInfo.h"
#include "cli/Command.h"

static int RunConvert(const std::vector<std::string>& args);

static const CommandRegistration registration({
    "convert",
    "SOUNDFILE OUT.wav RATE",
    "convert a WAV, MP3 or WMA file to a mono 16-bit WAV",
    "Reads SOUNDFILE (WAV, MP3, WMA or another format FFmpeg reads) and\n"
    "writes OUT.wav with one channel of 16-bit samples at RATE Hz, one of\n"
    "4000, 6000, ..., 22000. OUT.wav must not be SOUNDFILE itself; it is\n"
    "replaced only once the conversion has succeeded.\n",
    RunConvert,
});

static int RunConvert(const std::vector<std::string>& args)
{
    if (args.size() != 3)
        return UsageError("convert", "expected a sound file, an output file and a rate");
    const std::string& rateText = args[2];
    int rate = 0;
    const auto parsed = std::from_chars(rateText.data(), rateText.data() + rateText.size(), rate);
    if (parsed.ec != std::errc() || parsed.ptr != rateText.data() + rateText.size() || !IsAcceptedRate(rate))
        return Failure("convert", "the rate '" + rateText + "' is not one of 4000, 6000, ..., 22000 Hz");
    if (auto refusal = SameFileRefusal(args[0], args[1]))
        return Failure("convert", *refusal);
    if (auto error = ConvertSound(args[0], args[1], rate))
        return Failure("convert", *error);
    std::cout << "MP3/WMA to WAV Convert OK!\n";
    return kExitOk;
}
