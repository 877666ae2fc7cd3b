// kr615b encode: converts one WAV file with the voice converter.

#include <QByteArray>

#include "PcmSound.h"
#include "cli/Command.h"
#include "compiler/VoiceConverter.h"
#include "support/Paths.h"
#include "support/RegularFile.h"

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
    // The converter says only that it failed: the reason a file is refused
    // is found here first, and the converter never waits on a FIFO.
    QByteArray bytes;
    if (auto error = ReadRegularFile(args[0], bytes))
        return Failure("encode", *error);
    std::string refusal;
    if (!voice::ParseWav(reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size()), &refusal))
        return Failure("encode", "cannot convert " + args[0] + ": " + refusal);
    for (const std::string& output : {args[1], CompanionOf(args[1])})
        if (auto reason = SpecialFileReason(output))
            return Failure("encode", "Cannot write " + output + ": " + *reason);
    std::vector<UserMessage> messages;
    switch (RunConverter(ProgramFolder(), args[0], args[1], messages)) {
    case ConverterOutcome::Converted:
        return kExitOk;
    case ConverterOutcome::NotLoaded:
        return Failure("encode", "cannot load the voice converter from " + ProgramFolder());
    case ConverterOutcome::Failed:
        break;
    }
    return Failure("encode", "cannot write " + args[1] + " or " + CompanionOf(args[1]));
}
