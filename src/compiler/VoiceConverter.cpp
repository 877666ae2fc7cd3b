#include "compiler/VoiceConverter.h"

#include <QFile>
#include <QLibrary>

#include "support/Paths.h"

namespace {

using ConvertFunction = int (*)(const char* wav, const char* out, const char* out2);

}  // namespace

ConverterOutcome RunConverter(const std::string& programFolder, const std::string& wavPath,
                              const std::string& outputPath, std::vector<UserMessage>& messages)
{
    QLibrary converter(ToQtPath(programFolder + kConverterName));
    if (!converter.load()) {
        messages.push_back({"Load ChimeConverter Library Fail!", Caption::Product, MessageIcon::None});
        return ConverterOutcome::NotLoaded;
    }
    // Without the export nothing is called and the conversion counts as
    // done; the missing voice-data file then tells.
    ConverterOutcome outcome = ConverterOutcome::Converted;
    if (auto convert = reinterpret_cast<ConvertFunction>(converter.resolve("ConvertWAVToQMF"))) {
        if (convert(wavPath.c_str(), outputPath.c_str(), outputPath.c_str()) == 0) {
            messages.push_back({"Fail!", Caption::ApplicationName, MessageIcon::None});
            messages.push_back({wavPath, Caption::ApplicationName, MessageIcon::None});
            outcome = ConverterOutcome::Failed;
        }
    }
    converter.unload();
    return outcome;
}

std::string ConvertToVoiceData(const std::string& programFolder, const std::string& wavPath,
                               std::vector<UserMessage>& messages)
{
    const std::string output = wavPath + ".rbf";
    QFile::remove(ToQtPath(output));
    QFile::remove(ToQtPath(CompanionOf(output)));
    // A failed conversion still gives the path: the missing file then ends
    // the compile with the file's error.
    if (RunConverter(programFolder, wavPath, output, messages) == ConverterOutcome::NotLoaded)
        return {};
    return output;
}
