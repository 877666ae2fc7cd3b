#pragma once
// What the encoder's plain and vector implementations share: the
// fixed-point formats, the step sizes, the quantiser and the trials of one
// block. Private to the codec.

#include <algorithm>
#include <array>
#include <cstdint>

#include "VoiceCodec.h"

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define KR_CODEC_AVX2 1
#else
#define KR_CODEC_AVX2 0
#endif

namespace voice::encoder {

// Fixed-point formats. Weights have 20 fraction bits, the taps the
// prediction uses 12; predictions, residuals and steps are in 1/16 sample.
constexpr int kWeightBits = 20;
constexpr int kTapBits = 12;
constexpr int kFracBits = 4;
constexpr int kGainBits = 12;  // precision of the normalised residual
// The fixed part of the prediction: kEmphasis / 2^kEmphasisBits of the last
// sample. Taking it out evens the spectrum the adaptive part sees, which
// then converges faster.
constexpr int kEmphasis = 12;
constexpr int kEmphasisBits = 5;

constexpr int kCodeMin = -16;
constexpr int kCodeMax = 15;
constexpr int kCodeBits = 5;
constexpr int kStepBits = 6;
constexpr int kReservedBits = 5;
constexpr int32_t kSampleMax = 32767;
constexpr int32_t kSampleMin = -32768;

// Adaptation speed: the weight change per sample is the residual times the
// history, divided by the history's energy (rounded up to a power of two) and
// by 2^kAdaptShift.
constexpr int kAdaptShift = 2;
// Keeps the adaptation gentle while the history is near silence.
constexpr uint64_t kEnergyFloor = 1u << 12;

// Step sizes in 1/16 sample, each 2^(1/5) times the one before.
constexpr int32_t kSteps[kStepCount] = {
    16,    18,    21,    24,    28,    32,    37,    42,    49,    56,    64,    74,    84,    97,    111,   128,
    147,   169,   194,   223,   256,   294,   338,   388,   446,   512,   588,   676,   776,   891,   1024,  1176,
    1351,  1552,  1783,  2048,  2353,  2702,  3104,  3566,  4096,  4705,  5405,  6208,  7132,  8192,  9410,  10809,
    12417, 14263, 16384, 18820, 21619, 24834, 28526, 32768, 37641, 43238, 49667, 57052, 65536, 75281, 86475, 99334,
};


// Each step's inverse, 2^32 / step rounded up.
constexpr auto kInverses = [] {
    std::array<int64_t, kStepCount> inverses{};
    for (int i = 0; i < kStepCount; ++i)
        inverses[i] = ((int64_t(1) << 32) + kSteps[i] - 1) / kSteps[i];
    return inverses;
}();
// For each step, the least residual energy over a block for which a larger
// step suits better (see StepIndexFor).
constexpr int64_t kEnergyPerTarget = kBlockSamples * 25;
constexpr auto kStepLimits = [] {
    std::array<int64_t, kStepCount> limits{};
    for (int i = 0; i < kStepCount; ++i)
        limits[i] = kEnergyPerTarget * (int64_t(kSteps[i]) * kSteps[i] + 1);
    return limits;
}();

// The code nearest to a residual, by multiplication with the step's inverse.
struct Quantiser {
    Quantiser() = default;
    explicit Quantiser(int index) : step(kSteps[index]), inverse(kInverses[index]) {}
    int code(int32_t r) const
    {
        const int32_t magnitude = int32_t(((int64_t(r < 0 ? -r : r) + step / 2) * inverse) >> 32);
        return std::clamp(r < 0 ? -magnitude : magnitude, kCodeMin, kCodeMax);
    }
    int32_t step = 1;
    int64_t inverse = 0;
};

// The step sizes the encoder tries for each block, around its estimate.
constexpr int kTrials = 3;

// One block coded with each trial step size.
struct Trials {
    PredictorState state[kTrials];  // before the block, then after it
    Quantiser quantiser[kTrials];
    int32_t codes[kBlockSamples][4];  // by sample, then trial
    int64_t error[kTrials];           // squared error of the decoded block
};

// The step index whose quantiser suits a residual of this energy over a block.
inline int StepIndexFor(int64_t energy)
{
    // A 32-level quantiser does best with a step near a fifth of the
    // residual's deviation: the first step whose square is at least
    // energy / kEnergyPerTarget (rounded down), that is, whose limit exceeds
    // the energy.
    return int(std::upper_bound(kStepLimits.begin(), kStepLimits.end() - 1, energy) - kStepLimits.begin());
}

#if KR_CODEC_AVX2
// The vector implementation (VectorEncoder.cpp), compiled for processors
// with AVX2 and for those that also have AVX-512.
int EstimateStepIndexAvx2(const PredictorState& s, const int16_t* in);
void CodeTrialsAvx2(Trials& t, const int16_t* block);
int EstimateStepIndexAvx512(const PredictorState& s, const int16_t* in);
void CodeTrialsAvx512(Trials& t, const int16_t* block);
#endif

}  // namespace voice::encoder
