#include "cli/PromptArguments.h"

#include <charconv>
#include <cmath>

#include "audio/AudioInfo.h"
#include "cli/Command.h"

namespace {

bool ParseInt(const std::string& text, int& value)
{
    const auto parsed = std::from_chars(text.data(), text.data() + text.size(), value);
    return parsed.ec == std::errc() && parsed.ptr == text.data() + text.size();
}

// Whatever the locale's decimal point, "-16.5" is read as written.
bool ParseReal(const std::string& text, double& value)
{
    const auto parsed = std::from_chars(text.data(), text.data() + text.size(), value);
    return parsed.ec == std::errc() && parsed.ptr == text.data() + text.size() && std::isfinite(value);
}

}  // namespace

std::optional<int> ParsePromptArguments(const std::string& commandName, const std::vector<std::string>& args,
                                        int optionSet, PromptArguments& out)
{
    const bool prepareOptions = optionSet & kPrepareOptions;
    const bool voiceOptions = optionSet & kVoiceOptions;
    bool optionsEnded = false;  // after "--", a text such as "-5 degrees" is no option
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (optionsEnded || a == "--") {
            if (optionsEnded)
                out.operands.push_back(a);
            optionsEnded = true;
            continue;
        }
        const auto value = [&](std::string& into) {
            if (i + 1 >= args.size())
                return false;
            into = args[++i];
            return true;
        };
        std::string v;
        if (a == "--rate") {
            if (!value(v) || !ParseInt(v, out.prepare.rate) || !IsAcceptedRate(out.prepare.rate))
                return UsageError(commandName, "--rate takes one of 4000, 6000, ..., 22000 (Hz)");
            out.rateGiven = true;
        } else if (prepareOptions && a == "--no-trim") {
            out.prepare.trim = false;
        } else if (prepareOptions && a == "--no-normalize") {
            out.prepare.normalize = false;
        } else if (prepareOptions && a == "--loudness") {
            if (!value(v) || !ParseReal(v, out.prepare.loudness) || out.prepare.loudness < kMinLoudness ||
                out.prepare.loudness > kMaxLoudness)
                return UsageError(commandName, "--loudness takes a loudness from -40 to -6 (LUFS)");
        } else if (prepareOptions && a == "--margin") {
            if (!value(v) || !ParseInt(v, out.prepare.marginMs) || out.prepare.marginMs < 0 ||
                out.prepare.marginMs > kMaxMarginMs)
                return UsageError(commandName, "--margin takes milliseconds from 0 to 5000");
        } else if (voiceOptions && a == "--voice") {
            if (!value(out.voice) || out.voice.empty())
                return UsageError(commandName, "--voice takes a voice's name or language");
            out.voiceGiven = true;
        } else if (voiceOptions && a == "--list") {
            if (!value(out.listFile))
                return UsageError(commandName, "--list takes a file");
        } else if (voiceOptions && a == "--out") {
            if (!value(out.outFolder))
                return UsageError(commandName, "--out takes a folder");
        } else if (voiceOptions && a == "--voices") {
            out.listVoices = true;
        } else if (a.size() > 1 && a[0] == '-') {
            return UsageError(commandName, "unknown option '" + a + "'");
        } else {
            out.operands.push_back(a);
        }
    }
    return std::nullopt;
}
