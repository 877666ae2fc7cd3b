#pragma once
// The KR615B voice-data codec: an adaptive predictive block coder.
//
// Each sample is predicted from the one before (a fixed first-order part)
// plus an adaptive linear predictor that runs on the decoded signal with that
// part taken out, so encoder and decoder adapt in step without side
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
    int16_t history[kPredictorOrder] = {};  // the last values of the emphasised signal, oldest first
    int16_t taps[kPredictorOrder] = {};     // coefficients as the prediction uses them: weights >> 8
    int32_t weights[kPredictorOrder] = {};  // coefficients with the precision adaptation needs
    uint64_t energy = 0;                    // sum of the squares of the history
    int16_t last = 0;                       // the last decoded sample
};

// Encodes `count` samples (1 to kBlockSamples; a short block is padded with
// the last sample) into one block.
void EncodeBlock(PredictorState& state, const int16_t* in, int count, uint8_t out[kBlockBytes]);

// EncodeBlock takes the widest vector implementation the processor has; each
// gives the same bytes as the plain one. Tests narrow the choice to compare
// them: no implementation wider than `widest` is taken. Returns false when
// the processor lacks `widest`.
enum class EncoderKind { Plain, Avx2, Avx512 };
bool UseEncoder(EncoderKind widest);

}  // namespace voice
