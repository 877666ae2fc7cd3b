#pragma once
// Runs the voice converter plugin on WAV files.

#include <string>
#include <vector>

#include <QLibrary>

#include "support/UserMessage.h"

// The converter's file name in the program folder, without the platform's
// library suffix.
inline constexpr const char* kConverterName = "ChimeConverter";

enum class ConverterOutcome { Converted, Failed, NotLoaded };

// The converter library, loaded from the program folder while the object
// lives. Once loaded, convert() may be called from several threads at once.
class LoadedConverter {
public:
    explicit LoadedConverter(const std::string& programFolder);
    ~LoadedConverter();
    LoadedConverter(const LoadedConverter&) = delete;
    LoadedConverter& operator=(const LoadedConverter&) = delete;

    // Converts `wavPath` into `outputPath` and its companion. Failures add
    // their messages.
    ConverterOutcome convert(const std::string& wavPath, const std::string& outputPath,
                             std::vector<UserMessage>& messages) const;
    // False when the library lacks the export, so that nothing is converted.
    bool converts() const { return function_ != nullptr; }

private:
    using ConvertFunction = int (*)(const char* wav, const char* out, const char* out2);
    QLibrary library_;
    bool loaded_ = false;
    ConvertFunction function_ = nullptr;
};

// Loads the converter, converts one file and unloads the converter again.
ConverterOutcome RunConverter(const std::string& programFolder, const std::string& wavPath,
                              const std::string& outputPath, std::vector<UserMessage>& messages);

// Converts `wavPath` into `wavPath` + ".rbf" (and its ".rbf.h" companion).
// Returns the voice-data path, or an empty path when the converter is not
// loaded. Leftovers of an earlier conversion are removed when the converter
// did not write anew, so a failed conversion can never pass off old data as
// new.
std::string ConvertToVoiceData(const LoadedConverter& converter, const std::string& wavPath,
                               std::vector<UserMessage>& messages);

// The same with the converter loaded for this one conversion.
std::string ConvertToVoiceData(const std::string& programFolder, const std::string& wavPath,
                               std::vector<UserMessage>& messages);

// Where the voice data of `wavPath` is written: beside it, named after it.
inline std::string VoiceDataPathOf(const std::string& wavPath)
{
    return wavPath + ".rbf";
}

// The companion file the converter leaves beside the voice data.
inline std::string CompanionOf(const std::string& voiceDataPath)
{
    return voiceDataPath + ".h";
}
