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

std::string CArrayHeaderStart(const std::string& name, const std::string& source, size_t size, uint32_t sampleRate,
                              uint32_t sampleCount, bool withArray)
{
    const std::string array = Identifier(name);
    const std::string macro = Upper(array);
    // A "*/" in a file name would end the comment early.
    std::string from = source;
    for (size_t at; (at = from.find("*/")) != std::string::npos;)
        from.replace(at, 2, "*_/");
    std::string text = "/* KR615B voice data converted from " + from +
                       " by ChimeConverter.\n"
                       "   Format: docs/voice-format.md. */\n"
                       "#ifndef " + macro + "_H\n#define " + macro + "_H\n\n"
                       "#define " + macro + "_SAMPLE_RATE " + std::to_string(sampleRate) + "u\n"
                       "#define " + macro + "_SAMPLE_COUNT " + std::to_string(sampleCount) + "u\n"
                       "#define " + macro + "_SIZE " + std::to_string(size) + "u\n\n";
    text += withArray ? "static const unsigned char " + array + "[" + std::to_string(size) + "] = {" : "#endif\n";
    return text;
}

void AppendCArrayBytes(std::string& text, const uint8_t* bytes, size_t count, size_t index)
{
    static const char kHex[] = "0123456789abcdef";
    text.reserve(text.size() + count * 6);
    for (size_t i = 0; i < count; ++i) {
        text += ((index + i) % 12 == 0) ? "\n    " : " ";
        text += "0x";
        text += kHex[bytes[i] >> 4];
        text += kHex[bytes[i] & 15];
        text += ',';
    }
}
