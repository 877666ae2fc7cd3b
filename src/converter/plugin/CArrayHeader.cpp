#include "CArrayHeader.h"

#include <cctype>

namespace {

// A C identifier made of the name's letters and digits, others as '_'.
std::string Identifier(const std::string& name)
{
    std::string id = "voice_";
    for (unsigned char c : name)
        id += std::isalnum(c) ? char(std::tolower(c)) : '_';
    return id;
}

std::string Upper(std::string s)
{
    for (char& c : s)
        c = char(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

}  // namespace

std::string CArrayHeader(const std::string& name, const std::string& source, const std::vector<uint8_t>& voiceData,
                         uint32_t sampleRate, uint32_t sampleCount)
{
    static const char kHex[] = "0123456789abcdef";
    const std::string array = Identifier(name);
    const std::string macro = Upper(array);
    std::string text;
    text.reserve(voiceData.size() * 6 + 512);
    // A "*/" in a file name would end the comment early.
    std::string from = source;
    for (size_t at; (at = from.find("*/")) != std::string::npos;)
        from.replace(at, 2, "*_/");
    text += "/* KR615B voice data converted from " + from +
            " by ChimeConverter.\n"
            "   Format: docs/voice-format.md. */\n"
            "#ifndef " + macro + "_H\n#define " + macro + "_H\n\n"
            "#define " + macro + "_SAMPLE_RATE " + std::to_string(sampleRate) + "u\n"
            "#define " + macro + "_SAMPLE_COUNT " + std::to_string(sampleCount) + "u\n"
            "#define " + macro + "_SIZE " + std::to_string(voiceData.size()) + "u\n\n"
            "static const unsigned char " + array + "[" + std::to_string(voiceData.size()) + "] = {";
    for (size_t i = 0; i < voiceData.size(); ++i) {
        text += (i % 12 == 0) ? "\n    " : " ";
        const uint8_t b = voiceData[i];
        text += "0x";
        text += kHex[b >> 4];
        text += kHex[b & 15];
        text += ',';
    }
    text += "\n};\n\n#endif\n";
    return text;
}
