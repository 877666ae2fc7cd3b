#include "audio/ChipRendering.h"

#include <QFile>
#include <QTemporaryDir>

#include "PcmSound.h"
#include "VoiceFile.h"
#include "compiler/VoiceConverter.h"
#include "support/Paths.h"
#include "support/RegularFile.h"

std::optional<std::vector<uint8_t>> RenderAsChip(const std::string& programFolder, const std::string& wavPath,
                                                 std::vector<UserMessage>& messages)
{
    // An entry without a file (its name reaches outside the sound folder)
    // plays nothing; the converter would wait forever on a FIFO.
    if (wavPath.empty())
        return std::nullopt;
    if (std::optional<std::string> reason = SpecialFileReason(wavPath)) {
        messages.push_back({"Cannot read " + wavPath + ": " + *reason});
        return std::nullopt;
    }
    // The converter writes files; they go to a folder of their own, never
    // into the project's sound folder.
    const QTemporaryDir scratch;
    if (!scratch.isValid()) {
        messages.push_back({"Cannot create a temporary folder: " + scratch.errorString().toStdString()});
        return std::nullopt;
    }
    const std::string voicePath = JoinPath(FromQtPath(scratch.path()), "chip.rbf");
    if (RunConverter(programFolder, wavPath, voicePath, messages) != ConverterOutcome::Converted)
        return std::nullopt;
    QFile in(ToQtPath(voicePath));
    if (!in.open(QIODevice::ReadOnly)) {
        messages.push_back({"Cannot read " + voicePath + ": " + in.errorString().toStdString()});
        return std::nullopt;
    }
    const QByteArray data = in.readAll();
    std::string error;
    const auto sound = voice::DecodeVoice(reinterpret_cast<const uint8_t*>(data.constData()),
                                          static_cast<size_t>(data.size()), &error);
    if (!sound) {
        messages.push_back({wavPath + ": " + error});
        return std::nullopt;
    }
    return voice::WavBytes(*sound);
}
