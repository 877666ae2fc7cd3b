#pragma once
// Writing a whole file so that a failure never leaves a half-written file
// where the good one was.

#include <cstddef>
#include <optional>
#include <string>

// Writes `size` bytes to a temporary file beside `path` and renames it over
// `path` only when every byte is on disk. Empty on success, else a message
// naming the file and the platform's reason.
std::optional<std::string> WriteFileSafely(const std::string& path, const void* data, size_t size);
