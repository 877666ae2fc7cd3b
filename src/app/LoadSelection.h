#pragma once
// The files chosen for the library's Load: whether the choice can be taken
// at all, and the per-file table the load goes through.

#include <string>
#include <vector>

// The Load dialog's file-name buffer, in characters: the folder and every
// chosen name, each with its terminator, must fit.
constexpr size_t kLoadSelectionBufferSize = 30000;

// Whether the chosen files (full paths, in the dialog's order, all in one
// folder) fit into the buffer and into one load's table of at most as many
// files as the library holds; otherwise Load answers "Try add fewer files!".
bool SelectionFitsLoad(const std::vector<std::string>& paths);

struct LoadFile {
    std::string name;        // after the last separator
    std::string sourcePath;  // as chosen
    std::string extension;   // after the last "." of the name, without it; empty when there is none
};

std::vector<LoadFile> LoadFileTable(const std::vector<std::string>& paths);
