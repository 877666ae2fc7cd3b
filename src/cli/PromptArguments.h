#pragma once
// The options that `prepare` and `say` share: --rate and the preparation
// switches. Each command names which it accepts.

#include <optional>
#include <string>
#include <vector>

#include "audio/PromptPreparation.h"

struct PromptArguments {
    PrepareOptions prepare;
    bool rateGiven = false;
    std::string voice;
    bool voiceGiven = false;
    std::string listFile;  // say --list
    std::string outFolder; // say --out
    bool listVoices = false;
    std::vector<std::string> operands;
};

// Which options a command takes besides --rate.
enum PromptOptionSet { kPrepareOptions = 1, kVoiceOptions = 2 };

// Reads `args` into `out`. Empty when they are well formed, else the exit
// status of the usage error printed (an unknown option, a missing or bad
// value, a rate Load would refuse).
std::optional<int> ParsePromptArguments(const std::string& commandName, const std::vector<std::string>& args,
                                        int optionSet, PromptArguments& out);
