#include "compiler/BinLayout.h"

#include <algorithm>

namespace {

constexpr uint8_t kUnused = 0xFF;

uint8_t FunctionByte(int32_t code)
{
    return code >= kNoFunction && code <= kStopFunction ? uint8_t(code) : kUnused;
}

}  // namespace

uint8_t ModeCode(int32_t controlMode)
{
    switch (controlMode) {
    case kOneLine: return 2;
    case kThreeLine: return 3;
    case kMp3: return 4;
    case kMatrix3x8: return 8;
    case kParallelPort: return 11;
    case kExtended: return 7;
    default: return 5;  // Key mode
    }
}

std::vector<int> KeySlots(int32_t controlMode)
{
    switch (controlMode) {
    case kKeyMode: return {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    case kOneLine: return {1, 2, 3, 0, 5, 6, 7, 8, 9, 10};
    case kThreeLine: return {1, 0, 0, 0, 5, 6, 7, 8, 9, 10};
    case kMp3: return {0, 0, 0, 0, 0, 0, 8, 9, 10};
    default: return {};
    }
}

std::vector<int> KeysInBin(int32_t controlMode)
{
    if (controlMode == kParallelPort)
        return {1};
    std::vector<int> keys;
    if (controlMode == kMatrix3x8) {
        for (int k = 1; k <= kKeyCount; ++k)
            keys.push_back(k);
        return keys;
    }
    for (int slot : KeySlots(controlMode)) {
        if (slot != 0)
            keys.push_back(slot);
    }
    return keys;
}

namespace {

void WriteKeyTable(uint8_t* table, const COptions& options, const CKey& key, const CEquation& equation)
{
    const auto pair = [&](int keyNumber, uint8_t* at) {
        if (keyNumber == 0) {
            at[0] = at[1] = kUnused;
            return;
        }
        at[0] = FunctionByte(key.keyFunction[keyNumber - 1]);
        at[1] = uint8_t(equation.equationNumber[keyNumber - 1]);
    };
    if (options.controlMode == kParallelPort) {
        pair(1, table);
        table[2] = uint8_t(equation.equationNumber[0]);
        std::fill(table + 3, table + 21, kUnused);
        return;
    }
    const std::vector<int> slots = KeySlots(options.controlMode);
    for (size_t s = 0; s < slots.size(); ++s)
        pair(slots[s], table + 2 * s);
}

uint8_t EquationCountByte(const std::array<CSoundList, kEquationCount>& equations)
{
    for (int i = 0; i < kEquationCount; ++i) {
        if (equations[i].empty())
            return uint8_t(1 + i);
    }
    return 1 + kEquationCount;
}

}  // namespace

uint32_t EquationSlotOffset(int number)
{
    return krv_equation_address(unsigned(number));
}

LibraryIndex IndexLibrary(const CSoundList& library)
{
    LibraryIndex index;
    int position = 0;
    for (const CSound& sound : library)
        index.emplace(sound.path, position++);  // keeps the first of equal paths
    return index;
}

std::vector<uint8_t> SilenceTokens(int32_t ms)
{
    std::vector<uint8_t> tokens;
    if (ms >= 1000) {
        tokens.push_back(kSecondsToken);
        tokens.push_back(uint8_t(ms / 1000));
        ms %= 1000;
    }
    for (; ms >= 250; ms -= 250) {
        tokens.push_back(kMillisecondsToken);
        tokens.push_back(250);
    }
    if (ms > 0) {
        tokens.push_back(kMillisecondsToken);
        tokens.push_back(uint8_t(ms));
    }
    return tokens;
}

EquationSlot EncodeEquation(const CSoundList& equation, const LibraryIndex& library)
{
    EquationSlot slot;
    slot.bytes.fill(kUnused);
    size_t used = 0;
    const auto put = [&](const uint8_t* token, size_t size) {
        if (slot.cut || used + size > slot.bytes.size()) {
            slot.cut = true;
            return;
        }
        std::copy(token, token + size, slot.bytes.begin() + used);
        used += size;
    };
    for (const CSound& entry : equation) {
        if (entry.isSound()) {
            const auto found = library.find(entry.path);
            const int index = found == library.end() ? kStrayLibraryIndex : found->second;
            const uint8_t token[3] = {kSoundToken, uint8_t(index >> 8), uint8_t(index)};
            put(token, 3);
        } else {
            const std::vector<uint8_t> tokens = SilenceTokens(entry.lengthMs);
            for (size_t t = 0; t < tokens.size(); t += 2)
                put(tokens.data() + t, 2);
        }
    }
    return slot;
}

std::vector<int> WriteHead(std::vector<uint8_t>& head, const COptions& options, const CKey& key,
                           const CEquation& equation, const std::array<CSoundList, kEquationCount>& equations,
                           const CSoundList& library, int flashMegabits)
{
    const bool external = options.externalMode != 0;
    uint8_t* h = head.data();
    h[0] = 0xFF;
    h[1] = external ? 0x00 : 0x08;
    h[2] = ModeCode(options.controlMode);
    h[3] = 0xFF;
    h[4] = options.soundOutput == 1 ? 0 : 1;
    h[5] = 0xFF;
    h[6] = options.busyLevel == 1 ? 0 : 1;
    h[7] = options.pullHigh != 0 ? 1 : 0;
    if (external)
        h[8] = h[9] = 0xFF;
    WriteKeyTable(h + KeyTableOffset(external), options, key, equation);
    if (options.controlMode == kMatrix3x8) {
        for (int k = 0; k < kKeyCount; ++k)
            h[kMatrixKeyTable + k] = uint8_t(equation.equationNumber[k]);
    }
    h[kEquationCountByte] = EquationCountByte(equations);
    h[kFlashSizeByte] = FlashSizeCode(flashMegabits);

    const LibraryIndex index = IndexLibrary(library);
    std::vector<int> cut;
    for (int i = 0; i < kEquationCount; ++i) {
        const EquationSlot slot = EncodeEquation(equations[i], index);
        std::copy(slot.bytes.begin(), slot.bytes.end(), h + EquationSlotOffset(i));
        if (slot.cut)
            cut.push_back(i);
    }
    return cut;
}

std::array<uint8_t, 3> BankedAddress(uint32_t address)
{
    const uint32_t window = 0x8000 + address % 0x8000;
    return {uint8_t(window), uint8_t(window >> 8), uint8_t(0x80 + address / 0x8000)};
}

std::array<uint8_t, 2> RateCode(int32_t sampleRate)
{
    switch (sampleRate) {
    case 4000: return {0x90, 0xFF};
    case 6000: return {0x90, 0xAA};
    case 10000: return {0x50, 0xCC};
    case 12000: return {0x50, 0xAA};
    case 14000: return {0x50, 0x91};
    case 16000: return {0x50, 0x7F};
    case 18000: return {0x10, 0xE3};
    case 20000: return {0x10, 0xCC};
    case 22000: return {0x10, 0xB9};
    default: return {0x90, 0x7F};  // 8000 Hz
    }
}

void WriteSoundTable(std::vector<uint8_t>& head, const std::vector<uint32_t>& slotSizes,
                     const std::vector<int32_t>& rates)
{
    uint32_t address = kSoundData;
    for (int k = 0; k < kSoundSlots; ++k) {
        uint8_t* r = head.data() + kSoundTable + k * kSoundRecordBytes;
        const auto rate = RateCode(rates[k]);
        const auto banked = BankedAddress(address);
        r[0] = rate[0];
        r[1] = rate[1];
        r[2] = banked[0];
        r[3] = banked[1];
        r[4] = banked[2];
        r[5] = 0x88;
        r[6] = 0x01;
        r[7] = 0xFF;
        address += slotSizes[k];
    }
}

uint64_t PaddedLength(uint64_t length)
{
    for (uint64_t boundary = 0x40000; boundary <= 0x800000; boundary *= 2) {
        if (boundary > length)
            return boundary;
    }
    return length;
}

bool IsFlashSize(int megabits)
{
    return megabits == 2 || megabits == 4 || megabits == 8 || megabits == 16 || megabits == 32 || megabits == 64;
}

uint8_t FlashSizeCode(int megabits)
{
    uint8_t code = 1;
    for (int m = megabits; m > 1; m /= 2)
        ++code;
    return code;
}

std::string FitAdvice(uint64_t length, int flashMegabits, bool* applicationCaption)
{
    *applicationCaption = false;
    const uint64_t capacity = uint64_t(flashMegabits) * 131072;
    if (length <= capacity)
        return {};
    for (int megabits = 4; megabits <= 64; megabits *= 2) {
        if (length <= uint64_t(megabits) * 131072)
            return "Bin File don't fit in flash! Pls select " + std::to_string(megabits) + "M flash";
    }
    *applicationCaption = true;
    return "Bin File don't dit in flash";
}
