#pragma once
// The media libraries (FFmpeg's decoding, resampling and filters, SDL's sound
// output, eSpeak NG's speech) are opened on first use instead of being linked
// into the programs. Loading them costs about 0.1 s of CPU at every start, as
// much as a whole compile's file work, and most commands never touch them.
//
// Each function the program calls has a stand-in of the same name that opens
// its library on the first call and goes straight to the real function after.

#include <string>
#include <vector>

// The functions whose library cannot be opened or lacks them, as
// "library: function"; empty when every stand-in has its real function.
std::vector<std::string> MissingMediaFunctions();
