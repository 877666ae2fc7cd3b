#pragma once
// Deleting one file, with the platform's reason when it cannot be done.

#include <optional>
#include <string>

// Deletes the file `path` (never a folder). Empty on success or when there is
// no such file, else "Cannot delete PATH: " and the platform's text for the
// failure.
std::optional<std::string> RemoveFile(const std::string& path);
