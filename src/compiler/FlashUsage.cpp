#include "compiler/FlashUsage.h"

#include <cstdio>

#include "compiler/BinLayout.h"

namespace {

// Estimated size of converted voice data, and the fixed part of the BIN
// before the sound data, in bits.
constexpr double kVoiceBytesPer65Samples = 42.0;
constexpr double kFixedAreaBits = 786304.0;  // 0x17FF0 bytes
constexpr double kSilenceSlotBits = 544.0;   // 68 bytes

std::string Format(const char* format, double value)
{
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

}  // namespace

std::optional<int> FlashMegabitsAt(int index)
{
    if (index < 0 || index >= static_cast<int>(kFlashSizeNames.size()))
        return std::nullopt;
    return 64 >> index;
}

std::optional<int> FlashMegabitsNamed(std::string_view name)
{
    for (size_t i = 0; i < kFlashSizeNames.size(); ++i) {
        if (name == kFlashSizeNames[i])
            return FlashMegabitsAt(static_cast<int>(i));
    }
    return std::nullopt;
}

FlashUsageTexts ComputeFlashUsage(const CSoundList& library, int flashMegabits)
{
    double bits = kFixedAreaBits;
    double seconds = 0;
    for (const CSound& sound : library) {
        const double s = sound.lengthMs / 1000.0;
        bits += s * sound.sampleRate / 65 * kVoiceBytesPer65Samples * 8;
        seconds += s;
    }
    bits += (kSoundSlots - library.count()) * kSilenceSlotBits;
    const double percent = bits / (flashMegabits * 1048576.0) * 100;
    return {Format("%.0f msec. total", seconds * 1000), Format("%.2f %% flash used", percent)};
}
