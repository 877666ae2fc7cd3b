// kr615b encode: converts one WAV file with the voice converter.

#include <array>
#include <fstream>

#include <QFile>
#include <QFileInfo>

#include "ByteOrder.h"
#include "CArrayHeader.h"
#include "PcmSound.h"
#include "VoiceFile.h"
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

static bool SameFile(const std::string& a, const std::string& b)
{
    const QString canonical = QFileInfo(ToQtPath(a)).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(ToQtPath(b)).canonicalFilePath();
}

// Writes `voiceData`'s bytes as a C array into its companion header, piece by
// piece: the converter's own companion holds only the figures.
static bool WriteCArrayHeader(const std::string& voiceData, const std::string& source)
{
    std::ifstream in(voiceData, std::ios::binary);
    std::array<uint8_t, 1 << 16> piece;
    in.read(reinterpret_cast<char*>(piece.data()), voice::kHeaderBytes);
    if (in.gcount() != voice::kHeaderBytes)
        return false;
    in.seekg(0, std::ios::end);
    const size_t size = size_t(in.tellg());
    in.seekg(0);
    std::ofstream out(CompanionOf(voiceData), std::ios::binary | std::ios::trunc);
    out << CArrayHeaderStart(FileNamePart(voiceData), FileNamePart(source), size, voice::GetLE32(piece.data() + 8),
                             voice::GetLE32(piece.data() + 12), true);
    std::string text;
    for (size_t index = 0; in.read(reinterpret_cast<char*>(piece.data()), piece.size()) || in.gcount() > 0;) {
        const size_t n = size_t(in.gcount());
        text.clear();
        AppendCArrayBytes(text, piece.data(), n, index);
        out << text;
        index += n;
    }
    out << kCArrayHeaderEnd;
    out.close();
    return !in.bad() && !out.fail();
}

static int RunEncode(const std::vector<std::string>& args)
{
    if (!HasOperands(args, 2))
        return UsageError("encode", "expected a WAV file and an output file");
    // The converter says only that it failed: the reason a file is refused
    // is found here first, from the header alone (the file may be larger
    // than memory), and the converter never waits on a FIFO.
    {
        QFile file;
        if (auto reason = OpenRegularFile(args[0], file))
            return Failure("encode", "Cannot open " + args[0] + ": " + *reason);
    }
    std::string refusal;
    if (voice::WavReader wav; !wav.open(args[0], &refusal))
        return Failure("encode", "cannot convert " + args[0] + ": " + refusal);
    for (const std::string& output : {args[1], CompanionOf(args[1])})
        if (auto reason = SpecialFileReason(output))
            return Failure("encode", "Cannot write " + output + ": " + *reason);
    // The output is written while the input is read.
    if (SameFile(args[0], args[1]) || SameFile(args[0], CompanionOf(args[1])))
        return UsageError("encode", "the output would overwrite the WAV file");
    std::vector<UserMessage> messages;
    switch (RunConverter(ProgramFolder(), args[0], args[1], messages)) {
    case ConverterOutcome::Converted:
        if (!WriteCArrayHeader(args[1], args[0]))
            return Failure("encode", "cannot write " + CompanionOf(args[1]));
        return kExitOk;
    case ConverterOutcome::NotLoaded:
        return Failure("encode", "cannot load the voice converter from " + ProgramFolder());
    case ConverterOutcome::Failed:
        break;
    }
    return Failure("encode", "cannot write " + args[1] + " or " + CompanionOf(args[1]));
}
