#pragma once
// What the Prepare Sounds and Spoken Prompts dialogs hand the session.

#include <string>
#include <vector>

#include "audio/PromptList.h"
#include "audio/PromptPreparation.h"

struct PreparationRequest {
    std::vector<std::string> files;  // any sound files
    std::string folder;              // where NAME.wav of each goes
    PrepareOptions options;
    bool load = false;  // load the results into the library afterwards
};

struct SpokenPromptsRequest {
    std::vector<PromptLine> prompts;
    std::string voice;
    int rate = 8000;
    std::string folder;
    bool load = false;
};
