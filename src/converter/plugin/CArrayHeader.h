#pragma once
// The C header the converter leaves beside the voice data, for firmware that
// builds the sound into its own image.

#include <cstdint>
#include <string>
#include <vector>

// `name` is the voice-data file's name, from which the array and constant
// names are made; `source` the name of the WAV file it was converted from.
std::string CArrayHeader(const std::string& name, const std::string& source, const std::vector<uint8_t>& voiceData,
                         uint32_t sampleRate, uint32_t sampleCount);
