#pragma once
// A sound as the chip will play it: converted to voice data by the converter
// in the program folder, as the compile converts it, and decoded again.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "support/UserMessage.h"

// The bytes of a WAV file holding what the chip plays for the WAV file at
// `wavPath`. Nothing when the converter or the decoding failed; `messages`
// then tells why.
std::optional<std::vector<uint8_t>> RenderAsChip(const std::string& programFolder, const std::string& wavPath,
                                                 std::vector<UserMessage>& messages);
