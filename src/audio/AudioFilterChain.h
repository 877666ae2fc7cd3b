#pragma once
// Running one chain of FFmpeg's audio filters (libavfilter) over a mono
// sound held in memory, for the preparation of prompts.
//
//     MonoAudio<float> out;
//     if (auto error = RunFilterChain("aresample=8000", in, out)) show(*error);

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

// One channel of samples: int16_t (16-bit PCM) or float (-1.0 to 1.0).
template <typename Sample> struct MonoAudio {
    int sampleRate = 0;
    std::vector<Sample> samples;
};

// The metadata the filters attached to the frames they put out, each key
// with its latest value, such as ebur128's "lavfi.r128.I".
using FilterMetadata = std::map<std::string, std::string>;

// Passes `in` through `chain` (filters in FFmpeg's graph syntax, comma
// separated; empty for none) and collects the output, converted to mono
// samples of `Out`'s format, in `out`. When `metadata` is given, it receives
// the output frames' metadata. `in` is fed again and again until at
// least `minimumInputSamples` were fed, for measurements that need a
// minimum length. Empty on success, else a message.
template <typename In, typename Out>
std::optional<std::string> RunFilterChain(const std::string& chain, const MonoAudio<In>& in, MonoAudio<Out>& out,
                                          FilterMetadata* metadata = nullptr, size_t minimumInputSamples = 0);
