#include "VoiceCodec.h"

#include <algorithm>
#include <cstring>

namespace voice {
namespace {

constexpr int kWeightBits = 14;  // predictor coefficients are fixed-point with this many fraction bits
constexpr int kFracBits = 4;     // predictions and steps are in 1/16 of a sample
constexpr int kCodeMin = -16;
constexpr int kCodeMax = 15;
constexpr int kCodeBits = 5;
constexpr int kStepBits = 6;
constexpr int kReservedBits = 5;
constexpr int32_t kSampleMax = 32767;
constexpr int32_t kSampleMin = -32768;
// Adaptation speed: the coefficient change per sample is the residual times
// the history, divided by the history's energy and by 2^kAdaptShift.
constexpr int kAdaptShift = 5;
// Keeps the adaptation gentle while the history is near silence.
constexpr uint64_t kEnergyFloor = 1u << 12;

// Step sizes in 1/16 sample, each 2^(1/5) times the one before.
constexpr int32_t kSteps[kStepCount] = {
    16,    18,    21,    24,    28,    32,    37,    42,    49,    56,    64,    74,    84,    97,    111,   128,
    147,   169,   194,   223,   256,   294,   338,   388,   446,   512,   588,   676,   776,   891,   1024,  1176,
    1351,  1552,  1783,  2048,  2353,  2702,  3104,  3566,  4096,  4705,  5405,  6208,  7132,  8192,  9410,  10809,
    12417, 14263, 16384, 18820, 21619, 24834, 28526, 32768, 37641, 43238, 49667, 57052, 65536, 75281, 86475, 99334,
};

int32_t Predict(const PredictorState& s)
{
    int64_t acc = 0;
    for (int i = 0; i < kPredictorOrder; ++i)
        acc += int64_t(s.weights[i]) * s.history[i];
    const int64_t p = acc >> (kWeightBits - kFracBits);
    return int32_t(std::clamp<int64_t>(p, int64_t(kSampleMin) << kFracBits, int64_t(kSampleMax) << kFracBits));
}

int BitWidth(uint64_t v)
{
    int n = 0;
    while (v) {
        ++n;
        v >>= 1;
    }
    return n;
}

// Moves the coefficients toward a smaller residual (normalised LMS with the
// normalisation rounded to a power of two), then takes the new sample into
// the history.
void Adapt(PredictorState& s, int32_t residual, int32_t sample)
{
    uint64_t energy = kEnergyFloor;
    for (int i = 0; i < kPredictorOrder; ++i)
        energy += uint64_t(int64_t(s.history[i]) * s.history[i]);
    const int shift = BitWidth(energy) + kAdaptShift + kFracBits - kWeightBits;
    const int64_t round = shift > 0 ? int64_t(1) << (shift - 1) : 0;
    for (int i = 0; i < kPredictorOrder; ++i) {
        const int64_t d = int64_t(residual) * s.history[i];
        s.weights[i] += int32_t((d + round) >> shift);
    }
    std::memmove(s.history + 1, s.history, sizeof(s.history) - sizeof(s.history[0]));
    s.history[0] = sample;
}

int32_t ToSample(int32_t valueQ4)
{
    return std::clamp((valueQ4 + (1 << (kFracBits - 1))) >> kFracBits, kSampleMin, kSampleMax);
}

// One coded sample: returns the decoded sample.
int32_t Reconstruct(PredictorState& s, int32_t prediction, int code, int32_t step)
{
    const int32_t residual = code * step;
    const int32_t sample = ToSample(prediction + residual);
    Adapt(s, residual, sample);
    return sample;
}

class BitWriter {
public:
    explicit BitWriter(uint8_t* out) : out_(out) { std::memset(out, 0, kBlockBytes); }
    void put(uint32_t value, int bits)
    {
        for (int b = bits - 1; b >= 0; --b, ++pos_) {
            if ((value >> b) & 1u)
                out_[pos_ >> 3] |= uint8_t(0x80u >> (pos_ & 7));
        }
    }

private:
    uint8_t* out_;
    int pos_ = 0;
};

class BitReader {
public:
    explicit BitReader(const uint8_t* in) : in_(in) {}
    uint32_t get(int bits)
    {
        uint32_t v = 0;
        for (int b = 0; b < bits; ++b, ++pos_)
            v = (v << 1) | ((in_[pos_ >> 3] >> (7 - (pos_ & 7))) & 1u);
        return v;
    }

private:
    const uint8_t* in_;
    int pos_ = 0;
};

struct Trial {
    PredictorState state;
    int codes[kBlockSamples];
    int64_t error = 0;
};

// Codes the block with one step size, as the decoder will decode it.
void TryStep(const PredictorState& start, const int32_t* in, int32_t step, Trial& t)
{
    t.state = start;
    t.error = 0;
    for (int j = 0; j < kBlockSamples; ++j) {
        const int32_t p = Predict(t.state);
        const int32_t r = (in[j] << kFracBits) - p;
        // Nearest code, rounding halves away from zero.
        const int32_t half = step / 2;
        int code = (r >= 0 ? (r + half) / step : -((-r + half) / step));
        code = std::clamp(code, kCodeMin, kCodeMax);
        t.codes[j] = code;
        const int32_t sample = Reconstruct(t.state, p, code, step);
        const int64_t e = sample - in[j];
        t.error += e * e;
    }
}

// The step index whose quantiser suits the block's residual, estimated with
// the coefficients frozen and the source samples as history.
int EstimateStepIndex(const PredictorState& start, const int32_t* in)
{
    PredictorState s = start;
    int64_t energy = 0;
    for (int j = 0; j < kBlockSamples; ++j) {
        const int64_t r = (int64_t(in[j]) << kFracBits) - Predict(s);
        energy += r * r;
        std::memmove(s.history + 1, s.history, sizeof(s.history) - sizeof(s.history[0]));
        s.history[0] = in[j];
    }
    // A 32-level quantiser does best with a step near 0.2 of the residual's
    // deviation: step^2 * 25 ~ mean square.
    const int64_t target = energy / (kBlockSamples * 25);
    int index = 0;
    while (index < kStepCount - 1 && int64_t(kSteps[index]) * kSteps[index] < target)
        ++index;
    return index;
}

}  // namespace

void EncodeBlock(PredictorState& state, const int16_t* in, int count, uint8_t out[kBlockBytes])
{
    int32_t block[kBlockSamples];
    for (int j = 0; j < kBlockSamples; ++j)
        block[j] = in[std::min(j, count - 1)];

    const int guess = EstimateStepIndex(state, block);
    Trial trials[2];
    int best = -1;
    int bestIndex = guess;
    for (int index = std::max(0, guess - 1); index <= std::min(kStepCount - 1, guess + 1); ++index) {
        Trial& t = trials[best == 0 ? 1 : 0];
        TryStep(state, block, kSteps[index], t);
        if (best < 0 || t.error < trials[best].error) {
            best = int(&t - trials);
            bestIndex = index;
        }
    }
    state = trials[best].state;
    BitWriter w(out);
    w.put(uint32_t(bestIndex), kStepBits);
    w.put(0, kReservedBits);
    for (int j = 0; j < kBlockSamples; ++j)
        w.put(uint32_t(trials[best].codes[j] - kCodeMin), kCodeBits);
}

void DecodeBlock(PredictorState& state, const uint8_t in[kBlockBytes], int16_t out[kBlockSamples])
{
    BitReader r(in);
    const int32_t step = kSteps[r.get(kStepBits)];
    r.get(kReservedBits);
    for (int j = 0; j < kBlockSamples; ++j) {
        const int code = int(r.get(kCodeBits)) + kCodeMin;
        out[j] = int16_t(Reconstruct(state, Predict(state), code, step));
    }
}

}  // namespace voice
