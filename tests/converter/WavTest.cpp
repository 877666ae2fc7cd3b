#include <gtest/gtest.h>

#include <cstring>
#include <tuple>

#include "ByteOrder.h"
#include "PcmSound.h"

namespace {

// A WAV file's bytes with the given format fields and sample bytes.
std::vector<uint8_t> Wav(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits,
                         const std::vector<uint8_t>& data, bool extensible = false)
{
    std::vector<uint8_t> fmt(extensible ? 40 : 16, 0);
    voice::PutLE16(fmt.data(), extensible ? 0xFFFE : tag);
    voice::PutLE16(fmt.data() + 2, channels);
    voice::PutLE32(fmt.data() + 4, rate);
    voice::PutLE32(fmt.data() + 8, rate * channels * bits / 8);
    voice::PutLE16(fmt.data() + 12, uint16_t(channels * bits / 8));
    voice::PutLE16(fmt.data() + 14, bits);
    if (extensible)
        voice::PutLE16(fmt.data() + 24, tag);
    std::vector<uint8_t> out = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E'};
    const auto chunk = [&](const char* id, const std::vector<uint8_t>& body) {
        out.insert(out.end(), id, id + 4);
        uint8_t size[4];
        voice::PutLE32(size, uint32_t(body.size()));
        out.insert(out.end(), size, size + 4);
        out.insert(out.end(), body.begin(), body.end());
        if (body.size() & 1)
            out.push_back(0);
    };
    chunk("LIST", {'o', 'd', 'd'});  // an odd-sized chunk before the format
    chunk("fmt ", fmt);
    chunk("data", data);
    return out;
}

}  // namespace

// What the reader reads, and what it refuses with its reason ("" for any).
TEST(Wav, SampleFormatsMixDownAndRefusals)
{
    // A data chunk that claims more than the file holds gives what is there.
    std::vector<uint8_t> cut = Wav(1, 1, 8000, 16, {1, 0, 2, 0, 3, 0});
    cut.resize(cut.size() - 3);
    std::vector<uint8_t> noData = Wav(1, 1, 8000, 16, {});
    noData.resize(noData.size() - 8);
    // A format chunk whose size runs past the end of the file.
    std::vector<uint8_t> huge = Wav(1, 1, 8000, 16, {});
    voice::PutLE32(huge.data() + 12 + 12 + 4, 0xFFFFFFF0u);
    const voice::PcmSound written{12000, {1, -2, 32767, -32768}};
    const struct {
        std::vector<uint8_t> bytes;
        uint32_t rate;
        std::vector<int16_t> samples;
        const char* error = nullptr;
    } cases[] = {
        {Wav(1, 1, 8000, 8, {0x00, 0x80, 0xFF}), 8000, {-32768, 0, 32512}},
        {Wav(1, 1, 22050, 24, {0x80, 0x34, 0x12, 0x00, 0x00, 0x80}), 22050, {0x1235, -32768}},
        // Stereo: the mean of the two channels.
        {Wav(1, 2, 16000, 16, {0x10, 0x00, 0x30, 0x00, 0xFF, 0x7F, 0xFF, 0x7F}), 16000, {0x20, 32767}},
        {Wav(1, 1, 4000, 32, {0x00, 0x00, 0xFF, 0x7F}, true), 4000, {32767}},
        {cut, 8000, {1}},
        {voice::WavBytes(written), 12000, written.samples},
        {Wav(1, 8, 384000, 16, {}), 384000, {}},
        {{'R', 'I', 'F', 'F'}, 0, {}, "not a WAV file"},
        {Wav(3, 1, 8000, 32, {0, 0, 0, 0}), 0, {}, "the samples are not integer PCM"},  // floating point
        {noData, 0, {}, "the file has no data chunk"},
        {Wav(1, 0, 8000, 16, {}), 0, {}, ""},
        {Wav(1, 1, 0, 16, {}), 0, {}, ""},
        {Wav(1, 1, 8000, 12, {}), 0, {}, ""},
        {Wav(1, 1, 4000000000u, 16, {}), 0, {}, ""},
        {Wav(1, 9, 8000, 16, {}), 0, {}, ""},
        {huge, 0, {}, ""},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        std::string error;
        const auto s = voice::ParseWav(cases[i].bytes.data(), cases[i].bytes.size(), &error);
        EXPECT_EQ(std::tuple(bool(s), s ? s->sampleRate : 0u, s ? s->samples : std::vector<int16_t>{}),
                  std::tuple(!cases[i].error, cases[i].rate, cases[i].samples)) << error;
        const char* const expected = cases[i].error;
        EXPECT_TRUE(!expected || (!error.empty() && (!*expected || error == expected))) << error;
    }
    std::string error;
    EXPECT_FALSE(voice::ReadWavFile("/no/such/file.wav", &error));
    EXPECT_EQ(error, "cannot open the file");
}
