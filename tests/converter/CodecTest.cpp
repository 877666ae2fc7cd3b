#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <random>

#include "VoiceFile.h"

namespace {

// A voiced, speech-like test signal: a few decaying harmonics with noise.
voice::PcmSound Signal(uint32_t rate, size_t samples)
{
    voice::PcmSound s{rate, {}};
    std::mt19937 random(7);
    std::normal_distribution<double> noise(0, 60);
    for (size_t i = 0; i < samples; ++i) {
        const double t = double(i) / rate;
        const double envelope = 0.5 + 0.5 * std::sin(2 * M_PI * 3 * t);
        double v = 0;
        for (int h = 1; h <= 6; ++h)
            v += std::sin(2 * M_PI * 140 * h * t + h) * 6000 / h;
        s.samples.push_back(int16_t(std::clamp(envelope * v + noise(random), -32768.0, 32767.0)));
    }
    return s;
}

double Snr(const std::vector<int16_t>& a, const std::vector<int16_t>& b)
{
    double signal = 0, error = 0;
    for (size_t i = 0; i < a.size(); ++i) {
        signal += double(a[i]) * a[i];
        error += (double(a[i]) - b[i]) * (double(a[i]) - b[i]);
    }
    return 10 * std::log10(signal / error);
}

}  // namespace

// Speech at every rate, full-scale square waves and an empty sound survive
// without overflow, at the size the format gives.
TEST(Codec, RoundTripQualityAndSize)
{
    voice::PcmSound square{8000, {}};
    for (int i = 0; i < 4000; ++i)
        square.samples.push_back((i / 7) % 2 ? 32767 : -32768);
    const struct {
        voice::PcmSound source;
        double snr;
    } cases[] = {{Signal(8000, 16000), 24}, {Signal(16000, 32000), 24}, {Signal(22000, 44000), 24}, {square, 10},
                 {{8000, {}}, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.source.sampleRate);
        const std::vector<uint8_t> data = voice::EncodeVoice(c.source);
        EXPECT_EQ(data.size(), voice::VoiceDataSize(c.source.samples.size()));
        EXPECT_EQ(data.size(), 26 + (c.source.samples.size() + 64) / 65 * 42);
        EXPECT_EQ(voice::EncodeVoice(c.source), data) << "deterministic";

        std::string error;
        const auto decoded = voice::DecodeVoice(data.data(), data.size(), &error);
        ASSERT_TRUE(decoded) << error;
        EXPECT_EQ(decoded->sampleRate, c.source.sampleRate);
        ASSERT_EQ(decoded->samples.size(), c.source.samples.size());
        if (c.snr > 0) {
            EXPECT_GT(Snr(c.source.samples, decoded->samples), c.snr);
        }
    }
}

// Firmware decodes what the converter wrote: the bytes of a given input must
// not change unnoticed. A deliberate change of the format bumps its version.
TEST(Codec, FormatIsStable)
{
    // Integer arithmetic only, so the input is the same everywhere: two
    // triangle waves and a little pseudo-random noise.
    voice::PcmSound sound{8000, {}};
    uint32_t seed = 1;
    for (int i = 0; i < 4000; ++i) {
        seed = seed * 1103515245u + 12345u;
        const int noise = int((seed >> 16) % 201) - 100;
        sound.samples.push_back(int16_t(std::abs(i % 80 - 40) * 300 - 6000 + std::abs(i % 23 - 11) * 150 + noise));
    }
    // Full-scale noise and runs at the extremes, where the vector and the
    // plain arithmetic of the predictor would part first.
    voice::PcmSound harsh{22000, {}};
    for (int i = 0; i < 6000; ++i) {
        seed = seed * 1103515245u + 12345u;
        harsh.samples.push_back(int16_t((i / 500) % 2 ? ((seed >> 8) & 1 ? 32767 : -32768) : int16_t(seed >> 12)));
    }
    using voice::EncoderKind;
    for (const EncoderKind kind : {EncoderKind::Plain, EncoderKind::Avx2, EncoderKind::Avx512}) {
        if (!voice::UseEncoder(kind))
            continue;
        const std::vector<uint8_t> data = voice::EncodeVoice(sound);
        EXPECT_EQ(data[4], voice::kFormatVersion);
        EXPECT_EQ(voice::Crc32(data.data(), data.size()), 540328517u) << "encoder " << int(kind);
        const std::vector<uint8_t> harshData = voice::EncodeVoice(harsh);
        EXPECT_EQ(voice::Crc32(harshData.data(), harshData.size()), 3648231593u) << "encoder " << int(kind);
    }
    voice::UseEncoder(EncoderKind::Avx512);
}

TEST(Codec, DamagedDataIsRefused)
{
    const std::vector<uint8_t> good = voice::EncodeVoice(Signal(8000, 1000));
    const struct {
        std::function<void(std::vector<uint8_t>&)> damage;
        std::string error;  // empty: any message
    } cases[] = {
        {[](auto& b) { b[0] = 'X'; }, "not KR615B voice data"},
        {[](auto& b) { b[100] ^= 1; }, "the voice data is damaged (checksum mismatch)"},
        {[](auto& b) { b.pop_back(); }, ""},
        {[](auto& b) { b[12] = b[15] = 0xFF; }, ""},  // a sample count far beyond the blocks present
        {[](auto& b) { b.resize(10); }, ""},
        {[](auto& b) { b[4] = 2; }, "voice data of an unknown format version"},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        std::vector<uint8_t> bad = good;
        cases[i].damage(bad);
        std::string error;
        EXPECT_FALSE(voice::DecodeVoice(bad.data(), bad.size(), &error)) << i;
        EXPECT_TRUE(cases[i].error.empty() || error == cases[i].error) << i << ": " << error;
    }
}
