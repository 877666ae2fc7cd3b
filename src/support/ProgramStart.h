#pragma once
// Starting an outside program beside this one.

#include <string>
#include <vector>

// Starts `program` with `arguments`, each passed as it is (no shell, so no
// quoting), and returns without waiting for it. False when it could not be
// started.
bool StartProgramDetached(const std::string& program, const std::vector<std::string>& arguments);
