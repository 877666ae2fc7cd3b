#pragma once
// The names the user sees for the codes stored in the records, in code order.
// Header-only so the dialogs can share them without linking the core.

#include <array>
#include <string>

inline constexpr std::array<const char*, 7> kControlModeNames = {
    "One Line Mode",      "Three Line Mode", "MP3 Mode", "3 x 8 Matrix Mode",
    "Parallel port mode", "Extended Mode",   "Key Mode",
};

inline constexpr std::array<const char*, 15> kKeyFunctionNames = {
    "No Function", "Edge retrigger", "Edge no retrigger", "level hold loop", "level loop",
    "on/off",      "next unloop",    "prev unloop",       "next loop",       "prev loop",
    "level unloop", "Pause",         "VOL +",             "Vol -",           "Stop",
};

// The name of a code, or "unknown (N)" for a value only a damaged file holds.
template <size_t N> std::string CodeName(const std::array<const char*, N>& names, int code)
{
    if (code < 0 || code >= static_cast<int>(N))
        return "unknown (" + std::to_string(code) + ")";
    return names[static_cast<size_t>(code)];
}
