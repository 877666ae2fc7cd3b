// kr615b inspect: what a BIN holds, as text or as JSON.

#include <iomanip>
#include <iostream>
#include <sstream>

#include "cli/Command.h"
#include "compiler/BinRecovery.h"
#include "model/RecordNames.h"

static int RunInspect(const std::vector<std::string>& args);

static const CommandRegistration registration({
    "inspect",
    "[--json] BIN",
    "print what a BIN holds",
    "Reads a flash image and prints its mode and options, the keys its control\n"
    "mode stores, every equation that is not empty (sounds numbered 001-510,\n"
    "silences in ms), every sound with its rate, size and length, and the\n"
    "flash used and free. Consecutive silence tokens are shown as the fewest\n"
    "silences that write the same tokens.\n\n"
    "--json prints one object: size, flashMegabits, externalMode, controlMode,\n"
    "soundOutput, busyLevel, pullHigh (the option values that give this\n"
    "header), equationCount (the byte as stored), keys (24 objects\n"
    "{\"function\", \"equation\"}, null where the mode stores nothing), equations\n"
    "(220 arrays of {\"sound\": slot} or {\"silenceMs\": ms}) and sounds (510\n"
    "objects {\"rate\", \"offset\", \"size\", \"filler\"}; filler marks the trailing\n"
    "slots that hold the converted silence).\n",
    RunInspect,
});

namespace {

std::string JsonOptional(const std::optional<int>& v)
{
    return v ? std::to_string(*v) : "null";
}

void PrintJson(const BinContents& b)
{
    const COptions& o = b.options;
    std::ostringstream out;
    out << "{\"size\":" << b.size << ",\"flashMegabits\":" << b.flashMegabits
        << ",\"externalMode\":" << o.externalMode << ",\"controlMode\":" << o.controlMode
        << ",\"soundOutput\":" << o.soundOutput << ",\"busyLevel\":" << o.busyLevel << ",\"pullHigh\":" << o.pullHigh
        << ",\"equationCount\":" << int(b.equationCount) << ",\"keys\":[";
    for (int k = 0; k < kKeyCount; ++k)
        out << (k ? "," : "") << "{\"function\":" << JsonOptional(b.keys[k].function)
            << ",\"equation\":" << JsonOptional(b.keys[k].equation) << "}";
    out << "],\"equations\":[";
    for (int i = 0; i < kEquationCount; ++i) {
        out << (i ? ",[" : "[");
        for (size_t e = 0; e < b.equations[i].size(); ++e) {
            const BinEntry& entry = b.equations[i][e];
            out << (e ? "," : "");
            if (entry.sound >= 0)
                out << "{\"sound\":" << entry.sound << "}";
            else
                out << "{\"silenceMs\":" << entry.silenceMs << "}";
        }
        out << "]";
    }
    out << "],\"sounds\":[";
    for (int k = 0; k < kMaxLibrarySounds; ++k) {
        const BinSound& s = b.sounds[k];
        out << (k ? "," : "") << "{\"rate\":" << s.rate << ",\"offset\":" << s.offset << ",\"size\":" << s.size
            << ",\"filler\":" << (s.filler ? "true" : "false") << "}";
    }
    out << "]}\n";
    std::cout << out.str();
}

const char* OnOff(int32_t v) { return v ? "on" : "off"; }

// Sounds as the views number them: 001 for slot 0.
std::string SoundNumber(int slot)
{
    std::ostringstream out;
    out << std::setw(3) << std::setfill('0') << slot + 1;
    return out.str();
}

void PrintSummary(const BinContents& b)
{
    const COptions& o = b.options;
    std::cout << "Control mode:    " << CodeName(kControlModeNames, o.controlMode) << "\n"
              << "Sound output:    " << (o.soundOutput == 1 ? "DAC" : "PWM") << "\n"
              << "Busy level:      " << (o.busyLevel == 1 ? "LOW" : "High") << "\n"
              << "Pull high:       " << OnOff(o.pullHigh) << "\n"
              << "External mode:   " << OnOff(o.externalMode) << "\n"
              << "Flash:           " << b.flashMegabits << "M\n"
              << "Equation count:  " << int(b.equationCount) << "\n\nKeys:\n";
    bool anyKey = false;
    for (int k = 0; k < kKeyCount; ++k) {
        const BinKey& key = b.keys[k];
        if (!key.function && !key.equation)
            continue;
        anyKey = true;
        std::cout << "  Key " << k + 1 << ":";
        if (key.function)
            std::cout << " " << CodeName(kKeyFunctionNames, *key.function) << (key.equation ? "," : "");
        if (key.equation)
            std::cout << " equation " << *key.equation;
        std::cout << "\n";
    }
    if (!anyKey)
        std::cout << "  (none stored in this mode)\n";

    std::cout << "\nEquations:\n";
    for (int i = 0; i < kEquationCount; ++i) {
        if (b.equations[i].empty())
            continue;
        std::cout << "  " << i << ":";
        for (const BinEntry& e : b.equations[i]) {
            if (e.sound >= 0)
                std::cout << " [" << SoundNumber(e.sound) << "]";
            else
                std::cout << " [silence " << e.silenceMs << " ms]";
        }
        std::cout << "\n";
    }
    const int library = b.librarySize();
    std::cout << "\nSounds: " << library << "\n";
    for (int k = 0; k < library; ++k) {
        const BinSound& s = b.sounds[k];
        std::cout << "  " << SoundNumber(k) << "  " << s.rate << " Hz  " << s.size << " bytes  ";
        if (s.voice && s.voiceRate > 0)
            std::cout << uint64_t(s.sampleCount) * 1000 / s.voiceRate << " ms\n";
        else
            std::cout << "not voice data\n";
    }
    if (library < kMaxLibrarySounds)
        std::cout << "  " << SoundNumber(library) << "-" << SoundNumber(kMaxLibrarySounds - 1)
                  << "  converted silence (filler)\n";
    const uint64_t capacity = uint64_t(b.flashMegabits) * 131072;
    std::cout << "\nFlash used:      " << b.dataEnd << " bytes of " << capacity << "\n"
              << "Flash free:      " << (capacity > b.dataEnd ? capacity - b.dataEnd : 0) << " bytes\n";
}

}  // namespace

static int RunInspect(const std::vector<std::string>& args)
{
    bool json = false;
    std::string path;
    if (auto usage = ParseJsonFileArguments("inspect", args, "BIN file", json, path))
        return *usage;
    BinImage image;
    if (FileError error = ReadBinFile(path, image))
        return Failure("inspect", *error);
    if (json)
        PrintJson(image.contents);
    else
        PrintSummary(image.contents);
    return kExitOk;
}
