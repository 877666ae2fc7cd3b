#pragma once
// The flash gauge: an estimate of the BIN's share of the selected flash and
// of the library's playing time, made without compiling.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "model/Sound.h"

// The "Flash :" list's entries, in list order, and the one selected at start.
inline constexpr std::array<const char*, 6> kFlashSizeNames = {"64M", "32M", "16M", "8M", "4M", "2M"};
inline constexpr int kDefaultFlashSizeIndex = 1;

// Megabits of the list entry at `index` (0 is "64M", 5 is "2M"); nothing for
// an index outside the list.
std::optional<int> FlashMegabitsAt(int index);

// Megabits of an entry's name ("64M" .. "2M"); nothing for any other text.
std::optional<int> FlashMegabitsNamed(std::string_view name);

struct FlashUsageTexts {
    std::string total;    // "%.0f msec. total": the library's playing time
    std::string percent;  // "%.2f %% flash used"
};

FlashUsageTexts ComputeFlashUsage(const CSoundList& library, int flashMegabits);
