#include "compiler/VoiceConverter.h"

#include <QFile>

#include "PcmSound.h"
#include "support/Paths.h"

namespace {

// Why the converter refused `wavPath`: the codec's own reading of the file
// tells what is wrong with it; a file it reads was refused on writing.
std::string ConversionFailure(const std::string& wavPath)
{
    std::string reason;
    if (voice::ReadWavFile(wavPath, &reason))
        reason = "the voice data could not be written";
    return "Cannot convert " + wavPath + ": " + reason;
}

}  // namespace

LoadedConverter::LoadedConverter(const std::string& programFolder)
    : library_(ToQtPath(programFolder + kConverterName))
{
    loaded_ = library_.load();
    if (loaded_)
        function_ = reinterpret_cast<ConvertFunction>(library_.resolve("ConvertWAVToQMF"));
}

LoadedConverter::~LoadedConverter()
{
    if (loaded_)
        library_.unload();
}

ConverterOutcome LoadedConverter::convert(const std::string& wavPath, const std::string& outputPath,
                                          std::vector<UserMessage>& messages) const
{
    if (!loaded_) {
        messages.push_back({"Load ChimeConverter Library Fail!", Caption::Product, MessageIcon::None});
        return ConverterOutcome::NotLoaded;
    }
    // Without the export nothing is called and the conversion counts as
    // done; the missing voice-data file then tells.
    if (function_ && function_(wavPath.c_str(), outputPath.c_str(), outputPath.c_str()) == 0) {
        messages.push_back({"Fail!", Caption::ApplicationName, MessageIcon::None});
        messages.push_back({ConversionFailure(wavPath), Caption::ApplicationName, MessageIcon::Error});
        return ConverterOutcome::Failed;
    }
    return ConverterOutcome::Converted;
}

ConverterOutcome RunConverter(const std::string& programFolder, const std::string& wavPath,
                              const std::string& outputPath, std::vector<UserMessage>& messages)
{
    const LoadedConverter converter(programFolder);
    return converter.convert(wavPath, outputPath, messages);
}

std::string ConvertToVoiceData(const LoadedConverter& converter, const std::string& wavPath,
                               std::vector<UserMessage>& messages)
{
    const std::string output = VoiceDataPathOf(wavPath);
    const ConverterOutcome outcome = converter.convert(wavPath, output, messages);
    if (outcome == ConverterOutcome::NotLoaded)
        return {};
    // A converter that failed or never ran wrote nothing: whatever an earlier
    // run left there must not pass for this sound's data. A successful one
    // wrote both files anew, so nothing is removed that is not there.
    if (outcome == ConverterOutcome::Failed || !converter.converts()) {
        QFile::remove(ToQtPath(output));
        QFile::remove(ToQtPath(CompanionOf(output)));
    }
    // A failed conversion still gives the path: the missing file then ends
    // the compile with the file's error.
    return output;
}

std::string ConvertToVoiceData(const std::string& programFolder, const std::string& wavPath,
                               std::vector<UserMessage>& messages)
{
    const LoadedConverter converter(programFolder);
    return ConvertToVoiceData(converter, wavPath, messages);
}
