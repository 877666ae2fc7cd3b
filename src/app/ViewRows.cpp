#include "app/ViewRows.h"

#include <cstdio>

#include "model/Sound.h"

const std::vector<ViewColumn>& LibraryViewColumns()
{
    static const std::vector<ViewColumn> columns = {
        {"No.", 30, "000"},        {"Wav/MP3/WMA", 120, "Door chime 01.wav"}, {"Sampling rate", 80, "48000 Hz"},
        {"Bit", 50, "32 Bit"},     {"Track", 50, "STEREO"},                   {"Time", 80, "9999999 ms"},
    };
    return columns;
}

const std::vector<ViewColumn>& PlaylistViewColumns()
{
    static const std::vector<ViewColumn> columns = {{"No.", 30, "000"}, {"Type", 60, "SILENCE"}, {"Wav/MP3/WMA", 160}};
    return columns;
}

static std::string Formatted(const char* format, int value)
{
    char text[32];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

std::string RowNumberText(int rowIndex)
{
    return Formatted("%.3d", rowIndex + 1);
}

std::array<std::string, 6> LibraryRowTexts(int rowIndex, const CSound& sound)
{
    return {
        RowNumberText(rowIndex),
        sound.name,
        Formatted("%d Hz", sound.sampleRate),
        Formatted("%d Bit", sound.bits),
        sound.stereo == 1 ? "STEREO" : "MONO",
        Formatted("%d ms", sound.lengthMs),
    };
}

std::string SilenceLengthText(int lengthMs)
{
    if (lengthMs >= 1000 && lengthMs % 1000 == 0)
        return Formatted("%d s", lengthMs / 1000);
    return Formatted("%d ms", lengthMs);
}

std::array<std::string, 3> PlaylistRowTexts(int rowIndex, const CSound& entry)
{
    // Only kind 0 reads as a silence; any other kind shows as a sound.
    if (entry.kind != CSound::kSilence)
        return {RowNumberText(rowIndex), "SOUND", entry.name};
    return {RowNumberText(rowIndex), "SILENCE", SilenceLengthText(entry.lengthMs)};
}
