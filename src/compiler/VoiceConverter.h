#pragma once
// Runs the voice converter plugin on one WAV file.

#include <string>
#include <vector>

#include "support/UserMessage.h"

// The converter's file name in the program folder, without the platform's
// library suffix.
inline constexpr const char* kConverterName = "ChimeConverter";

enum class ConverterOutcome { Converted, Failed, NotLoaded };

// Loads the converter from the program folder, calls it on `wavPath` with
// `outputPath` and unloads it. Failures add their messages.
ConverterOutcome RunConverter(const std::string& programFolder, const std::string& wavPath, const std::string& outputPath,
                  std::vector<UserMessage>& messages);

// Loads the converter from the program folder, converts `wavPath` into
// `wavPath` + ".rbf" (and its ".rbf.h" companion) and unloads it again.
// Returns the voice-data path, or an empty path when the converter cannot be
// loaded. Failures add their messages. Leftovers of an earlier conversion are
// removed first, so a failed conversion can never pass off old data as new.
std::string ConvertToVoiceData(const std::string& programFolder, const std::string& wavPath,
                               std::vector<UserMessage>& messages);

// The companion file the converter leaves beside the voice data.
inline std::string CompanionOf(const std::string& voiceDataPath)
{
    return voiceDataPath + ".h";
}
