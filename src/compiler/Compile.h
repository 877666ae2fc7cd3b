#pragma once
// The flash image compile: turns a project's records and sound lists into the
// BIN beside the project file. No window: the result is the list of messages
// a front end shows, in order.

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "model/Records.h"
#include "model/Sound.h"
#include "support/UserMessage.h"

// The BIN that compiling the project file `projectFilePath` writes.
inline std::string BinPathFor(const std::string& projectFilePath)
{
    return projectFilePath + ".bin";
}

struct CompileInputs {
    const COptions& options;
    const CKey& key;
    const CEquation& equation;
    const CSoundList& library;
    const std::array<CSoundList, kEquationCount>& equations;
    int flashMegabits;            // 64, 32, 16, 8, 4 or 2
    std::string projectFilePath;  // the BIN is projectFilePath + ".bin"
    std::string programFolder;    // with trailing separator: converter, silence10ms.wav, code block
};

struct CompileResult {
    std::vector<UserMessage> messages;  // in the order they are shown
    bool saved = false;                 // the "BIN File Saved!" message is among them
};

// Converts every library sound and the silence through the voice converter
// and writes the whole BIN. `progress` is told after each conversion how many
// of the conversions (library sounds, then the silence) are done.
//
// Messages, in order: converter and file errors (each ends the compile), the
// external-mode refusals, then "BIN File Saved!\nSize: N bytes", one
// "Equation N is too long for its slot and was cut" per cut equation, and the
// flash-size advice when the BIN is larger than the selected flash.
CompileResult CompileBin(const CompileInputs& in, const std::function<void(int done, int total)>& progress = {});
