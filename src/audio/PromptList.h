#pragma once
// Lists of spoken prompts: one prompt a line, "NAME<TAB>TEXT", blank lines
// skipped. Each prompt becomes the sound file NAME.wav, so a name must be a
// plain file name and may appear only once.

#include <optional>
#include <string>
#include <vector>

struct PromptLine {
    std::string name;  // without ".wav"
    std::string text;  // UTF-8
    int lineNumber = 0;
};

// Reads the list in `content` into `out`. Empty on success, else
// "line N: reason" for the first line refused; `out` is then empty.
std::optional<std::string> ParsePromptList(const std::string& content, std::vector<PromptLine>& out);

// The same check for one prompt given some other way (a table row):
// empty when `name` and `text` make a prompt, else the reason.
std::optional<std::string> CheckPrompt(const std::string& name, const std::string& text);

// The file a prompt is written to inside `folder`.
std::string PromptFilePath(const std::string& folder, const std::string& name);
