// kr615b decode: turns voice data back into a WAV file.

#include <QByteArray>

#include "cli/Command.h"
#include "PcmSound.h"
#include "VoiceFile.h"
#include "support/RegularFile.h"
#include "support/SafeWrite.h"

static int RunDecode(const std::vector<std::string>& args);

static const CommandRegistration registration({
    "decode",
    "IN OUT.wav",
    "decode voice data into a WAV file",
    "Decodes voice data (as the converter writes it) into a mono 16-bit PCM\n"
    "WAV file at the sampling rate the data carries, to hear a sound as the\n"
    "chip will play it.\n",
    RunDecode,
});

static int RunDecode(const std::vector<std::string>& args)
{
    if (!HasOperands(args, 2))
        return UsageError("decode", "expected a voice-data file and a WAV file");
    QByteArray bytes;
    if (auto error = ReadRegularFile(args[0], bytes))
        return Failure("decode", *error);
    std::string error;
    const auto sound =
        voice::DecodeVoice(reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size()), &error);
    if (!sound)
        return Failure("decode", args[0] + ": " + error);
    const std::vector<uint8_t> wav = voice::WavBytes(*sound);
    if (auto failure = WriteFileSafely(args[1], wav.data(), wav.size()))
        return Failure("decode", *failure);
    return kExitOk;
}
