#include "compiler/BinReader.h"

#include <algorithm>
#include <cstring>

#include "compiler/BinLayout.h"
#include "krvoice.h"

namespace {

[[noreturn]] void Fail(const std::string& what)
{
    throw BinFormatError(what);
}

std::string Hex(unsigned value)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string text = "0x";
    text += digits[(value >> 4) & 0xF];
    text += digits[value & 0xF];
    return text;
}

void ReadHeader(const uint8_t* h, BinContents& bin)
{
    if (h[0] != 0xFF || (h[1] != 0x08 && h[1] != 0x00))
        Fail("not a KR615B image (its header starts " + Hex(h[0]) + " " + Hex(h[1]) + ")");
    COptions& o = bin.options;
    o.externalMode = h[1] == 0x00 ? 1 : 0;
    o.controlMode = -1;
    for (int32_t mode = kOneLine; mode <= kKeyMode; ++mode) {
        if (ModeCode(mode) == h[2])
            o.controlMode = mode;
    }
    if (o.controlMode < 0)
        Fail("unknown control-mode code " + Hex(h[2]));
    o.soundOutput = h[4] == 0 ? 1 : 0;
    o.busyLevel = h[6] == 0 ? 1 : 0;
    o.pullHigh = h[7] != 0 ? 1 : 0;
    bin.equationCount = h[kEquationCountByte];
    for (int megabits = 2; megabits <= 64; megabits *= 2) {
        if (FlashSizeCode(megabits) == h[kFlashSizeByte])
            bin.flashMegabits = megabits;
    }
    if (bin.flashMegabits == 0)
        Fail("unknown flash-size code " + Hex(h[kFlashSizeByte]));
}

// The keys the control mode stores. Bytes 28 and 30 hold the equation count
// and the flash size, whatever a key table put there first.
void ReadKeys(const uint8_t* h, BinContents& bin)
{
    const uint32_t table = KeyTableOffset(bin.options.externalMode != 0);
    const auto byteAt = [&](uint32_t offset) -> std::optional<int> {
        if (offset == kEquationCountByte || offset == kFlashSizeByte)
            return std::nullopt;
        return h[offset];
    };
    switch (bin.options.controlMode) {
    case kParallelPort:
        bin.keys[0] = {byteAt(table), byteAt(table + 1)};
        return;
    case kMatrix3x8:
        for (int k = 0; k < kKeyCount; ++k)
            bin.keys[k].equation = h[kMatrixKeyTable + k];
        return;
    default:
        break;
    }
    const std::vector<int> slots = KeySlots(bin.options.controlMode);
    for (size_t s = 0; s < slots.size(); ++s) {
        if (slots[s] != 0)
            bin.keys[slots[s] - 1] = {byteAt(table + 2 * s), byteAt(table + 2 * s + 1)};
    }
}

// A run of silence tokens becomes the fewest silences that write the same
// tokens again: one silence writes at most a seconds token, three 250 ms
// tokens and one shorter token, in that order.
class SilenceRun {
public:
    explicit SilenceRun(std::vector<BinEntry>& out) : out_(out) {}
    void add(uint8_t token, uint8_t value)
    {
        if (token == kSecondsToken) {
            close();
            open(value * 1000);
            return;
        }
        const bool quarter = value == 250;
        if (!open_ || done_ || (quarter && quarters_ == 3))
            open(0);
        out_.back().silenceMs += value;
        if (quarter)
            ++quarters_;
        else
            done_ = true;  // a shorter token or one no silence writes ends it
    }
    void close() { open_ = false; }

private:
    void open(int32_t ms)
    {
        out_.push_back({-1, ms});
        open_ = true;
        done_ = false;
        quarters_ = 0;
    }
    std::vector<BinEntry>& out_;
    bool open_ = false;
    bool done_ = false;
    int quarters_ = 0;
};

std::vector<BinEntry> ReadEquation(const uint8_t* slot, int number)
{
    std::vector<BinEntry> entries;
    SilenceRun silence(entries);
    const auto fail = [&](uint32_t at, const std::string& what) {
        Fail("equation " + std::to_string(number) + ", byte " + std::to_string(at) + ": " + what);
    };
    for (uint32_t at = 0; at < kEquationSlotBytes && slot[at] != kEndToken;) {
        const uint8_t token = slot[at];
        if (token == kSoundToken) {
            if (at + 3 > kEquationSlotBytes)
                fail(at, "a sound token cut by the end of the slot");
            const int index = slot[at + 1] << 8 | slot[at + 2];
            if (index >= kSoundSlots)
                fail(at, "sound slot " + std::to_string(index) + " does not exist");
            silence.close();
            entries.push_back({index, 0});
            at += 3;
        } else if (token == kSecondsToken || token == kMillisecondsToken) {
            if (at + 2 > kEquationSlotBytes)
                fail(at, "a silence token cut by the end of the slot");
            silence.add(token, slot[at + 1]);
            at += 2;
        } else {
            fail(at, "unknown token " + Hex(token));
        }
    }
    return entries;
}

int32_t RateOfCode(const uint8_t* code)
{
    for (int32_t rate = 4000; rate <= 22000; rate += 2000) {
        const auto c = RateCode(rate);
        if (c[0] == code[0] && c[1] == code[1])
            return rate;
    }
    Fail("sound table: unknown rate code " + Hex(code[0]) + " " + Hex(code[1]));
}

void ReadSounds(const uint8_t* data, size_t size, BinContents& bin)
{
    for (int k = 0; k < kSoundSlots; ++k) {
        const uint8_t* record = data + kSoundTable + k * kSoundRecordBytes;
        BinSound& sound = bin.sounds[k];
        sound.rate = RateOfCode(record);
        sound.offset = krv_slot_address(record);
        if (sound.offset == 0 || sound.offset > size)
            Fail("sound " + std::to_string(k) + ": impossible start address");
        if (k > 0 && sound.offset < bin.sounds[k - 1].offset)
            Fail("sound " + std::to_string(k) + " starts before sound " + std::to_string(k - 1));
    }
    for (int k = 0; k + 1 < kSoundSlots; ++k)
        bin.sounds[k].size = bin.sounds[k + 1].offset - bin.sounds[k].offset;
    // The last slot's size is only in its own voice-data header.
    BinSound& last = bin.sounds[kSoundSlots - 1];
    krv_header header;
    if (size - last.offset < uint32_t(KRV_HEADER_BYTES) || krv_read_header(data + last.offset, 0, &header) != KRV_OK)
        Fail("sound " + std::to_string(kSoundSlots - 1) + ": its data is not voice data, so its size is unknown");
    last.size = KRV_HEADER_BYTES + header.block_count * uint32_t(KRV_BLOCK_BYTES);
    if (last.size > size - last.offset)
        Fail("sound " + std::to_string(kSoundSlots - 1) + " runs past the end of the image");
    bin.dataEnd = uint64_t(last.offset) + last.size;

    for (BinSound& sound : bin.sounds) {
        if (sound.size >= uint32_t(KRV_HEADER_BYTES) &&
            krv_read_header(data + sound.offset, sound.size, &header) == KRV_OK) {
            sound.voice = true;
            sound.voiceRate = header.sample_rate;
            sound.sampleCount = header.sample_count;
        }
    }
    // The filler: the trailing run of the converted silence, which gets the
    // silence slots' rate code while its own rate (that of the silence file)
    // has another, something no library sound shows.
    const auto silenceCode = RateCode(0);
    const auto fills = [&](const BinSound& s) {
        return s.voice && s.size == kSilenceSlotBytes && RateCode(s.rate) == silenceCode &&
               RateCode(int32_t(s.voiceRate)) != silenceCode &&
               std::memcmp(data + s.offset, data + last.offset, kSilenceSlotBytes) == 0;
    };
    for (int k = kSoundSlots - 1; k >= 0 && fills(bin.sounds[k]); --k)
        bin.sounds[k].filler = true;
}

}  // namespace

int BinContents::librarySize() const
{
    int n = kSoundSlots;
    while (n > 0 && sounds[n - 1].filler)
        --n;
    return n;
}

BinContents ReadBin(const uint8_t* data, size_t size)
{
    if (size < kSoundData)
        Fail("too short for a KR615B image (" + std::to_string(size) + " bytes; the fixed part alone takes " +
             std::to_string(kSoundData) + ")");
    BinContents bin;
    bin.size = size;
    ReadHeader(data, bin);
    ReadKeys(data, bin);
    for (int i = 0; i < kEquationCount; ++i)
        bin.equations[i] = ReadEquation(data + EquationSlotOffset(i), i);
    ReadSounds(data, size, bin);
    if (bin.options.externalMode)
        bin.externalWindow.assign(data + kExternalWindow, data + kExternalWindow + kExternalWindowBytes);
    return bin;
}

std::vector<uint8_t> SlotData(const BinContents& bin, const uint8_t* data, int slot)
{
    const BinSound& sound = bin.sounds[slot];
    if (!sound.voice)
        return {};
    return std::vector<uint8_t>(data + sound.offset, data + sound.offset + sound.size);
}
