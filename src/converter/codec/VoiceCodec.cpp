#include "VoiceCodec.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

namespace voice {
namespace {

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

// The adaptive part of the prediction from the kPredictorOrder values at `h`
// (oldest first), in 1/16 sample. The sum is taken modulo 2^32 so that every
// implementation agrees even on absurd input.
inline int32_t Predict(const int16_t* taps, const int16_t* h)
{
    uint32_t acc = 0;
    for (int i = 0; i < kPredictorOrder; ++i)
        acc += uint32_t(int32_t(taps[i]) * h[i]);
    return int32_t(acc) >> (kTapBits - kFracBits);
}

inline int32_t ClampPrediction(int32_t p)
{
    return std::clamp(p, kSampleMin * (1 << kFracBits), kSampleMax * (1 << kFracBits));
}

// The emphasised signal: the sample less the fixed part of its prediction.
inline int16_t Emphasise(int16_t sample, int16_t last)
{
    const int32_t v = (sample * (1 << kEmphasisBits) - last * kEmphasis) >> kEmphasisBits;
    return int16_t(std::clamp(v, kSampleMin, kSampleMax));
}

inline int16_t ToSample(int32_t valueQ4)
{
    return int16_t(std::clamp((valueQ4 + (1 << (kFracBits - 1))) >> kFracBits, kSampleMin, kSampleMax));
}

// Moves the weights toward a smaller residual: normalised LMS, the
// normalisation rounded to a power of two.
inline void Adapt(PredictorState& s, const int16_t* h, int32_t residual)
{
    const int shift = std::bit_width(s.energy + kEnergyFloor) + kAdaptShift + kFracBits - kWeightBits;
    const int64_t scaled = shift >= 0 ? (int64_t(residual) << kGainBits) >> shift
                                      : int64_t(residual) << (kGainBits - shift);
    const int16_t gain = int16_t(std::clamp<int64_t>(scaled, -32767, 32767));
    for (int i = 0; i < kPredictorOrder; ++i) {
        const int32_t change = (int32_t(gain) * int32_t(h[i]) + (1 << (kGainBits - 1))) >> kGainBits;
        // Modulo 2^32, so that even absurd input has one defined outcome.
        const int32_t w = int32_t(uint32_t(s.weights[i]) + uint32_t(change));
        s.weights[i] = w;
        s.taps[i] = int16_t(w >> (kWeightBits - kTapBits));
    }
}

// Codes one block as the decoder decodes it, for N predictor states side by
// side (the encoder's trial step sizes): each state is one long chain of
// dependent steps, and interleaving them lets the processor work on all at
// once. `codeOf(n, j, prediction)` gives state n's code for sample j; the
// decoded samples go to out[n].
//
// Each sample's weight change is made after the next sample is predicted
// (the last one at the block's end), so that the prediction need not wait for
// the adaptation.
template <int N, typename CodeOf>
inline void CodeBlocks(PredictorState* s, const int32_t* step, CodeOf codeOf, int16_t (*out)[kBlockSamples])
{
    // Each history followed by the block's values, so that no value moves.
    int16_t y[N][kPredictorOrder + kBlockSamples];
    int32_t pending[N];  // the residual whose weight change is still to be made
    for (int n = 0; n < N; ++n)
        std::memcpy(y[n], s[n].history, sizeof s[n].history);
    const auto adapt = [&](int n, int at) {
        const int16_t* h = y[n] + at;
        Adapt(s[n], h, pending[n]);
        s[n].energy += uint64_t(int32_t(h[kPredictorOrder]) * h[kPredictorOrder]) - uint64_t(int32_t(h[0]) * h[0]);
    };
    for (int j = 0; j < kBlockSamples; ++j) {
        for (int n = 0; n < N; ++n) {
            const int32_t fixed = (s[n].last * kEmphasis) >> (kEmphasisBits - kFracBits);
            const int32_t p = ClampPrediction(Predict(s[n].taps, y[n] + j) + fixed);
            if (j > 0)
                adapt(n, j - 1);
            pending[n] = codeOf(n, j, p) * step[n];
            const int16_t sample = ToSample(p + pending[n]);
            y[n][kPredictorOrder + j] = Emphasise(sample, s[n].last);
            s[n].last = sample;
            out[n][j] = sample;
        }
    }
    for (int n = 0; n < N; ++n) {
        adapt(n, kBlockSamples - 1);
        std::memcpy(s[n].history, y[n] + kBlockSamples, sizeof s[n].history);
    }
}

// The code nearest to a residual, by multiplication with the step's inverse.
struct Quantiser {
    Quantiser() = default;
    explicit Quantiser(int index) : step(kSteps[index]), inverse(((int64_t(1) << 32) + step - 1) / step) {}
    int code(int32_t r) const
    {
        const int32_t magnitude = int32_t(((int64_t(r < 0 ? -r : r) + step / 2) * inverse) >> 32);
        return std::clamp(r < 0 ? -magnitude : magnitude, kCodeMin, kCodeMax);
    }
    int32_t step = 1;
    int64_t inverse = 0;
};

// The step index whose quantiser suits the block's residual, estimated with
// the weights frozen and the source (not the decoded) samples as history.
int EstimateStepIndex(const PredictorState& s, const int16_t* in)
{
    int16_t y[kPredictorOrder + kBlockSamples];
    std::memcpy(y, s.history, sizeof s.history);
    for (int j = 0; j < kBlockSamples; ++j)
        y[kPredictorOrder + j] = Emphasise(in[j], j > 0 ? in[j - 1] : s.last);
    int64_t energy = 0;
    for (int j = 0; j < kBlockSamples; ++j) {
        const int32_t fixed = ((j > 0 ? in[j - 1] : s.last) * kEmphasis) >> (kEmphasisBits - kFracBits);
        const int64_t r = in[j] * (1 << kFracBits) - ClampPrediction(Predict(s.taps, y + j) + fixed);
        energy += r * r;
    }
    // A 32-level quantiser does best with a step near a fifth of the
    // residual's deviation.
    const int64_t target = energy / (kBlockSamples * 25);
    int index = 0;
    while (index < kStepCount - 1 && int64_t(kSteps[index]) * kSteps[index] < target)
        ++index;
    return index;
}

// The step sizes the encoder tries for each block, around its estimate.
constexpr int kTrials = 3;

// Bits are packed most significant first.
class BitWriter {
public:
    explicit BitWriter(uint8_t* out) : out_(out) {}
    void put(uint32_t value, int bits)
    {
        acc_ = (acc_ << bits) | value;
        count_ += bits;
        while (count_ >= 8) {
            count_ -= 8;
            *out_++ = uint8_t(acc_ >> count_);
        }
    }

private:
    uint8_t* out_;
    uint64_t acc_ = 0;
    int count_ = 0;
};

}  // namespace

void EncodeBlock(PredictorState& state, const int16_t* in, int count, uint8_t out[kBlockBytes])
{
    int16_t block[kBlockSamples];
    for (int j = 0; j < kBlockSamples; ++j)
        block[j] = in[std::min(j, count - 1)];

    const int first = std::clamp(EstimateStepIndex(state, block) - 1, 0, kStepCount - kTrials);
    PredictorState trials[kTrials];
    int32_t steps[kTrials];
    Quantiser quantisers[kTrials];
    int8_t codes[kTrials][kBlockSamples];
    int16_t decoded[kTrials][kBlockSamples];
    for (int n = 0; n < kTrials; ++n) {
        trials[n] = state;
        quantisers[n] = Quantiser(first + n);
        steps[n] = quantisers[n].step;
    }
    CodeBlocks<kTrials>(
        trials, steps,
        [&](int n, int j, int32_t p) {
            const int code = quantisers[n].code(block[j] * (1 << kFracBits) - p);
            codes[n][j] = int8_t(code);
            return code;
        },
        decoded);
    int best = 0;
    int64_t bestError = INT64_MAX;
    for (int n = 0; n < kTrials; ++n) {
        int64_t error = 0;
        for (int j = 0; j < kBlockSamples; ++j) {
            const int64_t e = decoded[n][j] - block[j];
            error += e * e;
        }
        if (error < bestError) {
            bestError = error;
            best = n;
        }
    }
    state = trials[best];
    const int stepIndex = first + best;

    BitWriter w(out);
    w.put(uint32_t(stepIndex), kStepBits);
    w.put(0, kReservedBits);
    for (int j = 0; j < kBlockSamples; ++j)
        w.put(uint32_t(codes[best][j] - kCodeMin), kCodeBits);
}

}  // namespace voice
