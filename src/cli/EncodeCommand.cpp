// kr615b encode: converts one WAV file with the voice converter.

#include "cli/Command.h"
#include "compiler/VoiceConverter.h"
#include "support/Paths.h"

static int RunEncode(const std::vector<std::string>& args);

static const CommandRegistration registration({
    "encode",
    "IN.wav OUT",
    "convert a WAV file into voice data",
    "Runs the voice converter of the program folder as the compile does: IN.wav\n"
    "(PCM of 8, 16, 24 or 32 bits, any rate, stereo mixed down) is encoded at\n"
    "its own rate into OUT, and OUT.h receives the same bytes as a C array with\n"
    "the sampling rate and sample count.\n",
    RunEncode,
});

static int RunEncode(const std::vector<std::string>& args)
{
    if (args.size() != 2 || args[0].empty() || args[1].empty() || args[0][0] == '-' || args[1][0] == '-')
        return UsageError("encode", "expected a WAV file and an output file");
    std::vector<UserMessage> messages;
    switch (RunConverter(ProgramFolder(), args[0], args[1], messages)) {
    case ConverterOutcome::Converted:
        return kExitOk;
    case ConverterOutcome::NotLoaded:
        return Failure("encode", "cannot load the voice converter from " + ProgramFolder());
    case ConverterOutcome::Failed:
        break;
    }
    return Failure("encode", "cannot convert " + args[0] + ": not a readable PCM WAV file, or " + args[1] +
                                 " cannot be written");
}
