#pragma once
// Sound in memory as the decoder produces it and the sound output plays it:
// interleaved signed 16-bit samples.

#include <cstddef>
#include <cstdint>
#include <vector>

struct PcmAudio {
    int sampleRate = 0;
    int channels = 0;
    std::vector<int16_t> samples;  // frame after frame, each frame one sample per channel

    size_t frameCount() const { return channels > 0 ? samples.size() / static_cast<size_t>(channels) : 0; }
    double seconds() const { return sampleRate > 0 ? static_cast<double>(frameCount()) / sampleRate : 0.0; }
};
