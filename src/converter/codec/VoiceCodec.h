#pragma once
// The KR615B voice-data codec: an adaptive predictive block coder.
//
// Samples are predicted by an adaptive linear predictor that runs on the
// decoded signal, so encoder and decoder adapt in step without side
// information. Each block of 65 samples carries one step size (chosen by the
// encoder for that block) and one 5-bit quantised prediction residual per
// sample: 42 bytes per block. Integer arithmetic only, so every decoder
// produces exactly the same samples. The byte format is in docs/voice-format.md.

#include <cstddef>
#include <cstdint>

namespace voice {

inline constexpr int kBlockSamples = 65;
inline constexpr int kBlockBytes = 42;
inline constexpr int kPredictorOrder = 16;
inline constexpr int kStepCount = 64;

// What the encoder and the decoder both know between blocks.
struct PredictorState {
    int32_t history[kPredictorOrder] = {};  // decoded samples, most recent first
    int32_t weights[kPredictorOrder] = {};  // predictor coefficients in units of 2^-kWeightBits
};

// Encodes `count` samples (1 to kBlockSamples; a short block is padded with
// the last sample) into one block.
void EncodeBlock(PredictorState& state, const int16_t* in, int count, uint8_t out[kBlockBytes]);

// Decodes one block into kBlockSamples samples.
void DecodeBlock(PredictorState& state, const uint8_t in[kBlockBytes], int16_t out[kBlockSamples]);

}  // namespace voice
