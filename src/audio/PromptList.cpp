#include "audio/PromptList.h"

#include <set>
#include <sstream>

#include "support/Paths.h"

std::optional<std::string> CheckPrompt(const std::string& name, const std::string& text)
{
    if (name.empty())
        return std::string("the name is empty");
    // The name becomes NAME.wav beside the other prompts: no characters that
    // a terminal or a file dialog would hide, and no folder parts.
    for (unsigned char c : name) {
        if (c < 0x20 || c == 0x7F)
            return "the name '" + name + "' holds a control character";
    }
    if (!IsPlainFileName(name))
        return "the name '" + name + "' is not a plain file name";
    if (text.find_first_not_of(" \t") == std::string::npos)
        return "the prompt '" + name + "' has no text";
    return std::nullopt;
}

std::optional<std::string> ParsePromptList(const std::string& content, std::vector<PromptLine>& out)
{
    out.clear();
    std::vector<PromptLine> prompts;
    std::set<std::string> names;
    std::istringstream lines(content);
    std::string line;
    for (int number = 1; std::getline(lines, line); ++number) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.find_first_not_of(" \t") == std::string::npos)
            continue;
        const auto fail = [&](const std::string& reason) { return "line " + std::to_string(number) + ": " + reason; };
        const size_t tab = line.find('\t');
        if (tab == std::string::npos)
            return fail("expected NAME, a tab and the text");
        PromptLine prompt{line.substr(0, tab), line.substr(tab + 1), number};
        if (auto reason = CheckPrompt(prompt.name, prompt.text))
            return fail(*reason);
        if (!names.insert(prompt.name).second)
            return fail("the name '" + prompt.name + "' is used twice");
        prompts.push_back(std::move(prompt));
    }
    out = std::move(prompts);
    return std::nullopt;
}

std::string PromptFilePath(const std::string& folder, const std::string& name)
{
    return JoinPath(folder, name + ".wav");
}
