#include "VoiceCodec.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <cstdint>
#include <cstring>

#include "EncoderParts.h"

namespace voice {
namespace {

using namespace encoder;

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

// The fixed part of the prediction, from the last decoded sample.
inline int32_t FixedPrediction(int32_t last)
{
    return (last * kEmphasis) >> (kEmphasisBits - kFracBits);
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

// The gain of a weight change: the residual normalised by the history's
// energy.
inline int16_t AdaptGain(uint64_t energy, int32_t residual)
{
    const int shift = std::bit_width(energy + kEnergyFloor) + kAdaptShift + kFracBits - kWeightBits;
    const int64_t scaled = shift >= 0 ? (int64_t(residual) << kGainBits) >> shift
                                      : int64_t(residual) << (kGainBits - shift);
    return int16_t(std::clamp<int64_t>(scaled, -32767, 32767));
}

// The history's energy after a value enters it and the oldest leaves.
inline uint64_t MoveEnergy(uint64_t energy, int16_t entering, int16_t leaving)
{
    return energy + uint64_t(int32_t(entering) * entering) - uint64_t(int32_t(leaving) * leaving);
}

// Moves the weights toward a smaller residual: normalised LMS, the
// normalisation rounded to a power of two.
inline void Adapt(PredictorState& s, const int16_t* h, int32_t residual)
{
    const int16_t gain = AdaptGain(s.energy, residual);
    for (int i = 0; i < kPredictorOrder; ++i) {
        const int32_t change = (int32_t(gain) * int32_t(h[i]) + (1 << (kGainBits - 1))) >> kGainBits;
        // Modulo 2^32, so that even absurd input has one defined outcome.
        const int32_t w = int32_t(uint32_t(s.weights[i]) + uint32_t(change));
        s.weights[i] = w;
        s.taps[i] = int16_t(w >> (kWeightBits - kTapBits));
    }
}

// Codes a block as the decoder decodes it, for every trial: each trial is one
// long chain of dependent steps, and interleaving them lets the processor
// work on all at once. Each sample's weight change is made after the next
// sample is predicted (the last one at the block's end), so that the
// prediction need not wait for the adaptation.
void CodeTrials(Trials& t, const int16_t* block)
{
    // Each history followed by the block's values, so that no value moves.
    int16_t y[kTrials][kPredictorOrder + kBlockSamples];
    int32_t pending[kTrials];  // the residual whose weight change is still to be made
    for (int n = 0; n < kTrials; ++n) {
        std::memcpy(y[n], t.state[n].history, sizeof t.state[n].history);
        t.error[n] = 0;
    }
    const auto adapt = [&](int n, int at) {
        PredictorState& s = t.state[n];
        const int16_t* h = y[n] + at;
        Adapt(s, h, pending[n]);
        s.energy = MoveEnergy(s.energy, h[kPredictorOrder], h[0]);
    };
    for (int j = 0; j < kBlockSamples; ++j) {
        for (int n = 0; n < kTrials; ++n) {
            PredictorState& s = t.state[n];
            const int32_t p = ClampPrediction(Predict(s.taps, y[n] + j) + FixedPrediction(s.last));
            if (j > 0)
                adapt(n, j - 1);
            const int code = t.quantiser[n].code(block[j] * (1 << kFracBits) - p);
            t.codes[j][n] = code;
            pending[n] = code * t.quantiser[n].step;
            const int16_t sample = ToSample(p + pending[n]);
            y[n][kPredictorOrder + j] = Emphasise(sample, s.last);
            s.last = sample;
            t.error[n] += int64_t(sample - block[j]) * (sample - block[j]);
        }
    }
    for (int n = 0; n < kTrials; ++n) {
        adapt(n, kBlockSamples - 1);
        std::memcpy(t.state[n].history, y[n] + kBlockSamples, sizeof t.state[n].history);
    }
}

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
        const int64_t r = in[j] * (1 << kFracBits) -
                          ClampPrediction(Predict(s.taps, y + j) + FixedPrediction(j > 0 ? in[j - 1] : s.last));
        energy += r * r;
    }
    return StepIndexFor(energy);
}

// Bits are packed most significant first, 32 at a time.
class BitWriter {
public:
    explicit BitWriter(uint8_t* out) : out_(out) {}
    void put(uint32_t value, int bits)
    {
        acc_ = (acc_ << bits) | value;
        count_ += bits;
        if (count_ >= 32) {
            count_ -= 32;
            const uint32_t v = uint32_t(acc_ >> count_);
            const uint8_t bytes[4] = {uint8_t(v >> 24), uint8_t(v >> 16), uint8_t(v >> 8), uint8_t(v)};
            std::memcpy(out_, bytes, 4);
            out_ += 4;
        }
    }
    // Writes the whole bytes still held.
    void flush()
    {
        for (; count_ >= 8; count_ -= 8)
            *out_++ = uint8_t(acc_ >> (count_ - 8));
    }

private:
    uint8_t* out_;
    uint64_t acc_ = 0;
    int count_ = 0;
};

// The encoder's implementations, which give the same bytes.
struct Coder {
    int (*estimate)(const PredictorState&, const int16_t*);
    void (*code)(Trials&, const int16_t*);
};

// The widest implementation the processor has.
EncoderKind WidestPresent()
{
#if KR_CODEC_AVX2
    static const EncoderKind widest = [] {
        __builtin_cpu_init();
        if (!__builtin_cpu_supports("avx2"))
            return EncoderKind::Plain;
        const bool avx512 = __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512vl") &&
                            __builtin_cpu_supports("avx512bw");
        return avx512 ? EncoderKind::Avx512 : EncoderKind::Avx2;
    }();
    return widest;
#else
    return EncoderKind::Plain;
#endif
}

std::atomic<EncoderKind> widestAllowed{EncoderKind::Avx512};

const Coder& ChosenCoder(const PredictorState& s)
{
    static constexpr Coder plain{EstimateStepIndex, CodeTrials};
#if KR_CODEC_AVX2
    static constexpr Coder avx2{EstimateStepIndexAvx2, CodeTrialsAvx2};
    static constexpr Coder avx512{EstimateStepIndexAvx512, CodeTrialsAvx512};
    // The vector coder holds the energy in doubles, exact for every energy a
    // history can have; a state whose energy is not its history's is left
    // to the plain coder.
    uint64_t energy = 0;
    for (int16_t v : s.history)
        energy += uint64_t(int32_t(v) * v);
    const EncoderKind kind = std::min(WidestPresent(), widestAllowed.load(std::memory_order_relaxed));
    if (kind != EncoderKind::Plain && energy == s.energy)
        return kind == EncoderKind::Avx512 ? avx512 : avx2;
#else
    (void)s;
#endif
    return plain;
}

}  // namespace

bool UseEncoder(EncoderKind widest)
{
    widestAllowed = widest;
    return widest <= WidestPresent();
}

void EncodeBlock(PredictorState& state, const int16_t* in, int count, uint8_t out[kBlockBytes])
{
    int16_t padded[kBlockSamples];
    const int16_t* block = in;
    if (count < kBlockSamples) {
        std::copy(in, in + count, padded);
        std::fill(padded + count, padded + kBlockSamples, in[count - 1]);
        block = padded;
    }
    const Coder& coder = ChosenCoder(state);
    const int first = std::clamp(coder.estimate(state, block) - 1, 0, kStepCount - kTrials);
    Trials t;
    for (int n = 0; n < kTrials; ++n) {
        t.state[n] = state;
        t.quantiser[n] = Quantiser(first + n);
    }
    coder.code(t, block);
    const int best = int(std::min_element(t.error, t.error + kTrials) - t.error);
    state = t.state[best];

    BitWriter w(out);
    w.put(uint32_t(first + best), kStepBits);
    w.put(0, kReservedBits);
    for (int j = 0; j < kBlockSamples; ++j)
        w.put(uint32_t(t.codes[j][best] - kCodeMin), kCodeBits);
    w.flush();
}

}  // namespace voice
