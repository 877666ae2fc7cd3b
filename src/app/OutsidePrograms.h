#pragma once
// The programs the Tool, Help and Language menus start, and what they are
// given, formed from the program folder.

#include <string>
#include <vector>

struct ProgramLaunch {
    std::string program;
    std::vector<std::string> arguments;
};

// The download tool, given the BIN that Compile writes for the open project,
// or nothing when no project is open.
ProgramLaunch DownloadToolLaunch(const std::string& programFolder, const std::string& projectFilePath);

// The two editions of the desktop program: the same program with its texts
// in English or in Simplified Chinese.
enum class Edition { English, SimplifiedChinese };

// An edition of the desktop program, given nothing.
ProgramLaunch EditionLaunch(const std::string& programFolder, Edition edition);

// The user guide the desktop's viewer opens.
std::string HelpFilePath(const std::string& programFolder);
