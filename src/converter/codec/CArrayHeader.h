#pragma once
// The C header that goes beside voice data, for firmware that builds the
// sound into its own image. It is made piece by piece, so that voice data of
// any length needs little memory.

#include <cstddef>
#include <cstdint>
#include <string>

// The header up to the array's first byte: a comment, the figures of the
// voice data and the array's opening. `name` is the voice-data file's name,
// from which the array and constant names are made; `source` the name of the
// WAV file it was converted from. Without `withArray` the header holds only
// the figures and is complete.
std::string CArrayHeaderStart(const std::string& name, const std::string& source, size_t size, uint32_t sampleRate,
                              uint32_t sampleCount, bool withArray);

// Appends the array text of `count` bytes, the first of them the array's
// element `index`.
void AppendCArrayBytes(std::string& text, const uint8_t* bytes, size_t count, size_t index);

// Closes the array and the header.
inline constexpr const char* kCArrayHeaderEnd = "\n};\n\n#endif\n";
