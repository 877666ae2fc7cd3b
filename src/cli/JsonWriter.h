#pragma once
// A small JSON writer for the tool's output. Record strings are byte strings
// that need not be UTF-8; a byte that is not part of valid UTF-8 is written
// as the lone surrogate \udcXX (XX its value), so nothing is dropped and the
// bytes can be recovered.

#include <cstdint>
#include <string>
#include <string_view>

std::string JsonString(std::string_view bytes);

// A real number as JSON: the shortest text that reads back as the same
// double; 0 for NaN and the infinities, which JSON cannot express.
std::string JsonNumber(double value);
