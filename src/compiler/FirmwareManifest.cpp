#include "compiler/FirmwareManifest.h"

#include <cstdio>
#include <map>
#include <set>
#include <sstream>

#include "compiler/BinLayout.h"
#include "model/RecordNames.h"

namespace {

// Hands out macro names, adding _2, _3, ... to a name already taken.
class UniqueNames {
public:
    std::string take(const std::string& base)
    {
        std::string name = base;
        for (int n = 2; !taken_.insert(name).second; ++n)
            name = base + "_" + std::to_string(n);
        return name;
    }

private:
    std::set<std::string> taken_;
};

// Text that is safe inside a C comment whatever a file name holds: no "*/"
// or "/*", only printable ASCII; other bytes as \xNN.
std::string CommentText(const std::string& text)
{
    std::string out;
    for (unsigned char c : text) {
        if (c < 0x20 || c >= 0x7F || c == '*') {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
            out += escaped;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

std::string EntryText(const CSound& entry)
{
    if (entry.isSound())
        return CommentText(entry.name);
    return "silence " + std::to_string(entry.lengthMs) + " ms";
}

std::string EquationNamePart(const CSound& first)
{
    if (first.isSound())
        return MacroNamePart(first.name);
    return "SILENCE_" + std::to_string(first.lengthMs) + "MS";
}

// Key assignments as the BIN carries them in the project's control mode.
void WriteKeys(std::ostream& out, const ProjectContent& c, const std::map<int, std::string>& equationMacros)
{
    const int32_t mode = c.options.controlMode;
    const std::vector<int> keys = KeysInBin(mode);
    out << "/* Control mode: " << CodeName(kControlModeNames, mode)
        << (keys.empty() ? " (the BIN carries no key assignments)" : "") << "\n";
    for (int key : keys) {
        const int32_t number = c.equation.equationNumber[static_cast<size_t>(key - 1)];
        out << " *   Key " << key << ": ";
        if (mode != kMatrix3x8)
            out << CommentText(CodeName(kKeyFunctionNames, c.key.keyFunction[static_cast<size_t>(key - 1)])) << ", ";
        out << "equation " << number;
        const auto macro = equationMacros.find(number);
        out << (macro != equationMacros.end() ? " (" + macro->second + ")" : " (empty)") << "\n";
    }
    out << " */\n";
}

}  // namespace

std::string MacroNamePart(const std::string& fileName)
{
    const size_t dot = fileName.rfind('.');
    const std::string stem = dot == std::string::npos ? fileName : fileName.substr(0, dot);
    std::string out;
    bool inMultiByte = false;
    for (unsigned char c : stem) {
        const bool continuation = (c & 0xC0) == 0x80;
        if (continuation && inMultiByte)
            continue;
        inMultiByte = c >= 0x80;
        if (c >= 'a' && c <= 'z')
            out += static_cast<char>(c - 'a' + 'A');
        else if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
            out += static_cast<char>(c);
        else
            out += '_';
    }
    return out;
}

std::string FirmwareManifest(const ProjectContent& c, const std::string& projectName)
{
    std::ostringstream out;
    out << "/* Play numbers of the KR615B project " << CommentText(projectName) << ".\n"
        << " * Made by kr615b manifest; make it again whenever the project changes. */\n"
        << "#ifndef KR615B_MANIFEST_H\n#define KR615B_MANIFEST_H\n\n"
        << "/* One declaration, so that the header alone is a valid C translation unit. */\n"
        << "typedef int kr615b_manifest_marker;\n\n";

    out << "/* Library sounds: their positions in the sound table. */\n";
    UniqueNames soundNames;
    int index = 0;
    for (const CSound& sound : c.library)
        out << "#define " << soundNames.take("KR_SOUND_" + MacroNamePart(sound.name)) << " " << index++ << "\n";

    out << "\n/* Equations (playlists): the numbers the keys and the firmware play. */\n";
    UniqueNames equationNames;
    std::map<int, std::string> equationMacros;
    for (int number = 0; number < kEquationCount; ++number) {
        const CSoundList& equation = c.equations[static_cast<size_t>(number)];
        if (equation.empty())
            continue;
        const std::string macro = equationNames.take("KR_EQ_" + EquationNamePart(*equation.begin()));
        equationMacros[number] = macro;
        out << "#define " << macro << " " << number << " /*";
        const char* separator = " ";
        for (const CSound& entry : equation) {
            out << separator << EntryText(entry);
            separator = ", ";
        }
        out << " */\n";
    }

    out << "\n";
    WriteKeys(out, c, equationMacros);
    out << "\n#endif /* KR615B_MANIFEST_H */\n";
    return out.str();
}
