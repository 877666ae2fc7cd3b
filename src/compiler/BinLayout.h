#pragma once
// Where everything lies in the BIN, and the encodings of its fixed part.
// Pure functions over byte buffers; Compile.cpp does the file work.

#include <array>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "krvoice.h"
#include "model/Records.h"
#include "model/Sound.h"

// What firmware needs of the layout is in krvoice.h, the decoder's header.
inline constexpr int kSoundSlots = KRV_SOUND_SLOTS;
static_assert(kSoundSlots == kMaxLibrarySounds && KRV_EQUATIONS == kEquationCount);
inline constexpr uint32_t kEquationSlotBytes = KRV_EQUATION_SLOT_BYTES;
inline constexpr int kFirstAreaEquations = KRV_FIRST_AREA_EQUATIONS;  // equations 0-125 in the first area
inline constexpr uint32_t kFirstEquationArea = KRV_FIRST_EQUATION_AREA;
inline constexpr uint32_t kSecondEquationArea = KRV_SECOND_EQUATION_AREA;
inline constexpr uint32_t kMatrixKeyTable = 0x10A;
inline constexpr uint32_t kEquationCountByte = 28;
inline constexpr uint32_t kFlashSizeByte = 30;
inline constexpr uint32_t kCodeBlock = 0x16F00;
inline constexpr uint32_t kCodeBlockBytes = 256;
inline constexpr uint32_t kSoundTable = KRV_SOUND_TABLE;
inline constexpr uint32_t kSoundRecordBytes = KRV_SOUND_RECORD_BYTES;
inline constexpr uint32_t kSoundData = KRV_SOUND_DATA;  // also the length of the BIN's fixed part
inline constexpr uint32_t kSilenceSlotBytes = 68;
inline constexpr uint32_t kExternalWindow = 0x8000;
inline constexpr uint32_t kExternalWindowBytes = 0x8000;
inline constexpr uint32_t kMinExternalBinBytes = 0xFFFF;
inline constexpr int kStrayLibraryIndex = 509;  // what a sound missing from the library plays
inline constexpr uint8_t kSoundToken = KRV_TOKEN_SOUND;
inline constexpr uint8_t kSecondsToken = KRV_TOKEN_SECONDS;
inline constexpr uint8_t kMillisecondsToken = KRV_TOKEN_MILLISECONDS;
inline constexpr uint8_t kEndToken = KRV_TOKEN_END;

// The header's code of a control mode.
uint8_t ModeCode(int32_t controlMode);

// Where the key table starts: after the header, and after 0xFF 0xFF in
// external mode.
inline constexpr uint32_t KeyTableOffset(bool external)
{
    return external ? 10 : 8;
}

// The key table's slots of a control mode that has pairs: each is a key
// number (1-24), or 0 for 0xFF 0xFF. MP3 mode leaves its last slot
// unwritten, so its list is one shorter. Parallel port, 3x8 Matrix and
// Extended have none (their keys are written apart).
std::vector<int> KeySlots(int32_t controlMode);

// The offset of an equation's slot.
uint32_t EquationSlotOffset(int number);

// The bytes of one equation's slot, and whether its tokens had to be cut to
// fit (only whole tokens are kept).
struct EquationSlot {
    std::array<uint8_t, kEquationSlotBytes> bytes;
    bool cut = false;
};

// The first library position of each sound path.
using LibraryIndex = std::unordered_map<std::string, int>;
LibraryIndex IndexLibrary(const CSoundList& library);

EquationSlot EncodeEquation(const CSoundList& equation, const LibraryIndex& library);

// The 2-byte tokens of a silence of `ms` milliseconds (none for 0 ms).
std::vector<uint8_t> SilenceTokens(int32_t ms);

// The keys (1-24) whose assignments the BIN carries in a control mode, in
// key order: function and equation, or only the equation in 3x8 Matrix mode.
std::vector<int> KeysInBin(int32_t controlMode);

// Fills the BIN's fixed part from offset 0 up to the code block: header, key
// table, equation count, flash-size code and the 220 equation slots. `head`
// must hold kSoundData bytes of 0x00. Returns the numbers of the equations
// that were cut.
std::vector<int> WriteHead(std::vector<uint8_t>& head, const COptions& options, const CKey& key,
                           const CEquation& equation, const std::array<CSoundList, kEquationCount>& equations,
                           const CSoundList& library, int flashMegabits);

// Writes the 510 sound records into `head`. `slotSizes` and `rates` hold one
// entry per slot; a rate of 0 marks a silence slot.
void WriteSoundTable(std::vector<uint8_t>& head, const std::vector<uint32_t>& slotSizes,
                     const std::vector<int32_t>& rates);

// The 3-byte banked form of a flash address, as the sound table holds it.
std::array<uint8_t, 3> BankedAddress(uint32_t address);

// The 2-byte rate code of a sampling rate (8000 Hz's code for any rate the
// chip has no code for).
std::array<uint8_t, 2> RateCode(int32_t sampleRate);

// The length the BIN is padded to with 0xFF.
uint64_t PaddedLength(uint64_t length);

// Whether megabits are one of the selectable flash sizes, and their code.
bool IsFlashSize(int megabits);
uint8_t FlashSizeCode(int megabits);

// The advice shown when the BIN does not fit the selected flash; empty when
// it fits. Sets `applicationCaption` for the one message captioned with the
// application's name.
std::string FitAdvice(uint64_t length, int flashMegabits, bool* applicationCaption);
