// The BIN reader must read an image or raise BinFormatError, and the
// firmware decoder's equation walker must end every equation, never crash,
// hang or read outside the image. An input shorter than the fixed part is
// spread over the parts that hold structure (header and key tables, two
// equation slots, the sound table, then the voice data), so that the
// fuzzer's mutations land where the reader decides something.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "compiler/BinLayout.h"
#include "compiler/BinReader.h"
#include "krvoice.h"

namespace {

std::vector<uint8_t> Expand(const uint8_t* data, size_t size)
{
    std::vector<uint8_t> image(kSoundData, 0x00);
    for (int i = 0; i < kEquationCount; ++i)
        std::fill_n(image.begin() + EquationSlotOffset(i), kEquationSlotBytes, 0xFF);
    const struct {
        uint32_t offset, length;
    } parts[] = {
        {0, 32},
        {kMatrixKeyTable, 24},
        {EquationSlotOffset(0), kEquationSlotBytes},
        {EquationSlotOffset(kEquationCount - 1), kEquationSlotBytes},
        {kSoundTable, kSoundSlots * kSoundRecordBytes},
    };
    size_t at = 0;
    for (const auto& part : parts) {
        const size_t n = std::min<size_t>(part.length, size - at);
        std::memcpy(image.data() + part.offset, data + at, n);
        at += n;
    }
    image.insert(image.end(), data + at, data + size);
    return image;
}

int Read(void* context, uint32_t address, uint8_t* buffer, uint32_t size)
{
    const auto& image = *static_cast<const std::vector<uint8_t>*>(context);
    if (address > image.size() || size > image.size() - address)
        return 1;
    std::memcpy(buffer, image.data() + address, size);
    return 0;
}

void Walk(std::vector<uint8_t>& image, unsigned equation)
{
    krv_player player;
    krv_chunk chunk;
    if (krv_play_begin(&player, Read, &image, equation) != KRV_OK)
        __builtin_trap();
    // A hundred chunks reach every token and several blocks of each sound.
    for (int n = 0; n < 100 && krv_play_next(&player, &chunk) == KRV_OK; ++n) {
        if (chunk.count > KRV_BLOCK_SAMPLES)
            __builtin_trap();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::vector<uint8_t> image = size >= kSoundData ? std::vector<uint8_t>(data, data + size) : Expand(data, size);
    try {
        const BinContents bin = ReadBin(image.data(), image.size());
        if (bin.dataEnd > image.size() || bin.librarySize() > kSoundSlots)
            __builtin_trap();
        for (int k = 0; k < kSoundSlots; ++k) {
            if (uint64_t(bin.sounds[k].offset) + bin.sounds[k].size > image.size())
                __builtin_trap();
        }
    } catch (const BinFormatError&) {
    }
    Walk(image, 0);
    Walk(image, kEquationCount - 1);
    return 0;
}
