#pragma once
// What a BIN gives back: its sounds as WAV files, and a whole project that
// compiles to the same image again.

#include <string>
#include <vector>

#include "compiler/BinReader.h"
#include "model/Project.h"

struct BinImage {
    std::vector<uint8_t> bytes;
    BinContents contents;
};

// Reads and parses a BIN file; a message naming the file on failure.
FileError ReadBinFile(const std::string& path, BinImage& out);

// The file name a slot's sound gets: "000.wav" to "509.wav".
std::string SlotFileName(int slot);

// Decodes a slot into the bytes of a WAV file; empty, with `error` set, for
// a slot whose data is not voice data of ours.
std::vector<uint8_t> SlotWav(const BinImage& image, int slot, std::string* error);

// The image's external window, as a 64 KiB external BIN that holds it at the
// same offsets (what Load External BIN takes).
std::vector<uint8_t> ExternalBinOf(const BinImage& image);

// Writes every non-filler slot to DIR/NNN.wav and, in external mode,
// DIR/external.bin; creates DIR when missing. A slot that is not voice data
// is skipped with a line in `skipped`. Fails on the first file that cannot
// be written.
FileError ExtractBin(const BinImage& image, const std::string& dir, std::vector<std::string>& written,
                     std::vector<std::string>& skipped);

// Creates the project P/F as New does, writes the image's sounds into its
// sound folder and library, rebuilds its equations, keys and options, and
// saves it. In external mode the window is kept in P/F.external.bin, which
// becomes the project's external BIN. Skipped slots are reported as
// ExtractBin reports them; entries that played them are left pointing to no
// library sound.
FileError RecoverProject(const BinImage& image, const std::string& folder, const std::string& fileName,
                         Project& out, std::vector<std::string>& skipped);
