// kr615b show: prints a project file, as text or as JSON.

#include <iostream>
#include <sstream>

#include "cli/Command.h"
#include "cli/JsonWriter.h"
#include "model/RecordNames.h"
#include "model/Project.h"

static int RunShow(const std::vector<std::string>& args);

static const CommandRegistration registration({
    "show",
    "[--json] PROJECTFILE",
    "print a project file",
    "Reads the project file and prints its options, keys, library and the\n"
    "equations that are not empty. Strings are printed exactly as stored in\n"
    "the file. --json prints one JSON object with the keys keyFunction,\n"
    "equationNumber, options, library, equations (220 arrays) and\n"
    "backgroundMusicList; a byte that is not valid UTF-8 appears as the\n"
    "escape \\udcXX, XX being the byte's value.\n",
    RunShow,
});

namespace {

template <typename Array> std::string JsonIntArray(const Array& values)
{
    std::string out = "[";
    for (size_t i = 0; i < values.size(); ++i)
        out += (i ? "," : "") + std::to_string(values[i]);
    return out + "]";
}

std::string JsonRecord(const CSound& s)
{
    std::ostringstream out;
    out << "{\"kind\":" << s.kind << ",\"path\":" << JsonString(s.path) << ",\"name\":" << JsonString(s.name)
        << ",\"sampleRate\":" << s.sampleRate << ",\"bits\":" << s.bits << ",\"stereo\":" << s.stereo
        << ",\"lengthMs\":" << s.lengthMs << ",\"auxValue\":" << s.auxValue << "}";
    return out.str();
}

std::string JsonList(const CSoundList& list)
{
    std::string out = "[";
    bool first = true;
    for (const CSound& s : list) {
        out += (first ? "" : ",") + JsonRecord(s);
        first = false;
    }
    return out + "]";
}

void PrintJson(const ProjectContent& c)
{
    const COptions& o = c.options;
    std::cout << "{\"keyFunction\":" << JsonIntArray(c.key.keyFunction)
              << ",\"equationNumber\":" << JsonIntArray(c.equation.equationNumber) << ",\"options\":{"
              << "\"externalMode\":" << o.externalMode << ",\"controlMode\":" << o.controlMode
              << ",\"soundOutput\":" << o.soundOutput << ",\"busyLevel\":" << o.busyLevel
              << ",\"pullHigh\":" << o.pullHigh << ",\"backgroundMusic\":" << o.backgroundMusic
              << ",\"externalBinPath\":" << JsonString(o.externalBinPath) << "},\"library\":" << JsonList(c.library)
              << ",\"equations\":[";
    for (size_t i = 0; i < c.equations.size(); ++i)
        std::cout << (i ? "," : "") << JsonList(c.equations[i]);
    std::cout << "],\"backgroundMusicList\":" << JsonList(c.backgroundMusic) << "}\n";
}

const char* OnOff(int32_t v) { return v ? "on" : "off"; }

std::string EntryText(const CSound& s)
{
    if (!s.isSound())
        return "silence " + std::to_string(s.lengthMs) + " ms";
    return s.name + " (" + std::to_string(s.sampleRate) + " Hz, " + std::to_string(s.lengthMs) + " ms)";
}

void PrintSummary(const ProjectContent& c)
{
    const COptions& o = c.options;
    std::cout << "Control mode:    " << CodeName(kControlModeNames, o.controlMode) << "\n"
              << "Sound output:    " << (o.soundOutput == 1 ? "DAC" : "PWM") << "\n"
              << "Busy level:      " << (o.busyLevel == 1 ? "LOW" : "High") << "\n"
              << "Pull high:       " << OnOff(o.pullHigh) << "\n"
              << "External mode:   " << OnOff(o.externalMode) << "\n"
              << "External BIN:    " << (o.externalBinPath.empty() ? "(none)" : o.externalBinPath) << "\n"
              << "Background music: " << OnOff(o.backgroundMusic) << "\n\nKeys:\n";
    for (int k = 0; k < kKeyCount; ++k)
        std::cout << "  Key " << k + 1 << ": " << CodeName(kKeyFunctionNames, c.key.keyFunction[k])
                  << ", equation " << c.equation.equationNumber[k] << "\n";

    std::cout << "\nLibrary: " << c.library.count() << " sound(s)\n";
    int row = 0;
    for (const CSound& s : c.library) {
        std::cout << "  " << row++ << "  " << s.name << "  " << s.sampleRate << " Hz  " << s.bits << " bit  "
                  << (s.stereo == 1 ? "STEREO" : "MONO") << "  " << s.lengthMs << " ms\n";
    }
    std::cout << "\nEquations:\n";
    for (size_t i = 0; i < c.equations.size(); ++i) {
        if (c.equations[i].empty())
            continue;
        std::cout << "  " << i << ":";
        for (const CSound& s : c.equations[i])
            std::cout << " [" << EntryText(s) << "]";
        std::cout << "\n";
    }
    if (!c.backgroundMusic.empty())
        std::cout << "\nBackground music: " << EntryText(*c.backgroundMusic.at(0)) << "\n";
}

}  // namespace

static int RunShow(const std::vector<std::string>& args)
{
    bool json = false;
    std::string path;
    if (auto usage = ParseJsonFileArguments("show", args, "project file", json, path))
        return *usage;

    // The file's own strings are shown, so it is read without the path
    // rebuild that opening a project does.
    ProjectContent content;
    if (FileError error = ReadProjectFile(path, content))
        return Failure("show", *error);
    if (json)
        PrintJson(content);
    else
        PrintSummary(content);
    return kExitOk;
}
