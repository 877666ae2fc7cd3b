#pragma once
// Reads a BIN back into what it stores: the options of its header, the keys
// its control mode keeps, the 220 equations and the 510 sound slots. The
// reverse of BinLayout; it trusts no address or length in the image.

#include <array>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "model/Records.h"

// A damaged or foreign image; what() says what is wrong with it.
class BinFormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One key as the control mode stores it; nothing where the mode keeps none.
struct BinKey {
    std::optional<int> function;
    std::optional<int> equation;
};

// An equation entry: a sound slot, or a silence.
struct BinEntry {
    int sound = -1;  // slot 0-509; -1 for a silence
    int32_t silenceMs = 0;
    bool operator==(const BinEntry&) const = default;
};

struct BinSound {
    int32_t rate = 0;      // Hz, from the rate code
    uint32_t offset = 0;   // where its voice data starts in the image
    uint32_t size = 0;     // bytes of voice data
    bool filler = false;   // one of the trailing copies of the converted silence
    bool voice = false;    // its data is voice data of ours (the fields below are set)
    uint32_t voiceRate = 0;
    uint32_t sampleCount = 0;
};

struct BinContents {
    uint64_t size = 0;
    int flashMegabits = 0;
    // externalMode, controlMode, soundOutput, busyLevel and pullHigh as the
    // header holds them; the other fields keep their defaults.
    COptions options;
    uint8_t equationCount = 0;  // the byte as stored
    std::array<BinKey, kKeyCount> keys;
    std::array<std::vector<BinEntry>, kEquationCount> equations;
    std::array<BinSound, kMaxLibrarySounds> sounds;
    uint64_t dataEnd = 0;  // the end of the last slot's data

    // The number of slots before the filler.
    int librarySize() const;
    // The 32 KiB external window (external mode).
    std::vector<uint8_t> externalWindow;
};

// Throws BinFormatError on an image that is too short, holds impossible
// addresses or codes, or has a slot that runs past its end.
BinContents ReadBin(const uint8_t* data, size_t size);

// The voice data of a slot (empty for a slot that is not ours).
std::vector<uint8_t> SlotData(const BinContents& bin, const uint8_t* data, int slot);
